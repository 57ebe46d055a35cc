// Reading and writing the link and task files at a size well past everyday use.
#include "core/links/LinkFile.h"
#include "core/tasks/TaskFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

std::string ScratchFile(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string("quillmark-bench-") + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::vector<quill::LinkRecord> MakeLinks(int count) {
    std::vector<quill::LinkRecord> links;
    for (int i = 0; i < count; ++i) {
        links.push_back({"https://www.example.org/articles/" + std::to_string(i) + "?ref=home",
                         "A comment of ordinary length for link number " + std::to_string(i)});
    }
    return links;
}

std::vector<quill::TaskRecord> MakeTasks(int count) {
    std::vector<quill::TaskRecord> tasks;
    for (int i = 0; i < count; ++i) {
        tasks.push_back({"05.03.2027", "09:05", "Call about item " + std::to_string(i), false});
    }
    return tasks;
}

void LoadLinks(benchmark::State& state) {
    const std::string path = ScratchFile("links");
    quill::SaveLinkFile(path, MakeLinks(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        std::vector<quill::LinkRecord> links;
        quill::LoadLinkFile(path, links);
        benchmark::DoNotOptimize(links.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(LoadLinks)->Arg(10000)->Unit(benchmark::kMillisecond);

void SaveLinks(benchmark::State& state) {
    const std::string path = ScratchFile("links-save");
    const auto links = MakeLinks(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quill::SaveLinkFile(path, links));
    }
    std::filesystem::remove(path);
}
BENCHMARK(SaveLinks)->Arg(10000)->Unit(benchmark::kMillisecond);

void LoadTasks(benchmark::State& state) {
    const std::string path = ScratchFile("tasks");
    quill::SaveTaskFile(path, MakeTasks(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        std::vector<quill::TaskRecord> tasks;
        quill::LoadTaskFile(path, tasks);
        benchmark::DoNotOptimize(tasks.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(LoadTasks)->Arg(10000)->Unit(benchmark::kMillisecond);

void SaveTasks(benchmark::State& state) {
    const std::string path = ScratchFile("tasks-save");
    const auto tasks = MakeTasks(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quill::SaveTaskFile(path, tasks));
    }
    std::filesystem::remove(path);
}
BENCHMARK(SaveTasks)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
