#include "SampleLinks.h"
#include "core/pages/LinksPage.h"
#include "core/pages/PageFile.h"
#include "core/pages/TasksPage.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void WriteLinksPageBench(benchmark::State& state) {
    const auto links = SampleLinks(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quill::WriteLinksPage(links));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(WriteLinksPageBench)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// What a redraw of the Links tab costs before the engine reads the page: the
// page text made and written to the page file.
void WriteLinksPageFileBench(benchmark::State& state) {
    const auto links = SampleLinks(static_cast<int>(state.range(0)));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "quillmark-page-bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "qmtemp.tmp").string();
    for (auto _ : state) {
        if (!quill::WritePageFile(path, quill::WriteLinksPage(links))) {
            state.SkipWithError("the page file could not be written");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(WriteLinksPageFileBench)->Arg(10000)->Unit(benchmark::kMillisecond);

void WriteTasksPageBench(benchmark::State& state) {
    std::vector<quill::TaskRecord> tasks(static_cast<std::size_t>(state.range(0)),
                                         {"05.03.2004", "09:07", "Call the bank & ask", false});
    for (auto _ : state) {
        benchmark::DoNotOptimize(quill::WriteTasksPage(tasks));
    }
}
BENCHMARK(WriteTasksPageBench)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
