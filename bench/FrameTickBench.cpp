#include "core/commands/DueTaskPass.h"
#include "core/frame/FrameTimerDuties.h"
#include "core/frame/FrameTimerIds.h"
#include "core/frame/FrameWindowProbe.h"
#include "core/frame/WindowAlpha.h"
#include "core/settings/Profile.h"

#include <benchmark/benchmark.h>

namespace {

// The window side does as little as possible, so the figure is the logic's own cost.
struct QuietWindow : quill::WindowAlpha, quill::FrameWindowProbe {
    void SetAlpha(std::uint8_t alpha) override { benchmark::DoNotOptimize(alpha); }
    quill::CursorPlace LocateCursor() override { return place; }
    bool StartTimer(int, int) override { return true; }
    void StopTimer(int) override {}
    void Repaint() override {}
    quill::CursorPlace place = quill::CursorPlace::Outside;
};

struct Quiet : quill::Clock,
               quill::ReminderDialog,
               quill::AllViews,
               quill::SaveFailureReporter,
               quill::Profile {
    quill::DateTime Now() const override { return {2024, 1, 1, 0, 0}; }
    quill::ReminderReply ShowReminder(const quill::DateTime&, const std::string&, bool) override {
        return {};
    }
    void ShowMoreMissed(std::size_t) override {}
    std::optional<std::string> ReadString(std::string_view, std::string_view) const override {
        return std::nullopt;
    }
    std::optional<int> ReadInt(std::string_view, std::string_view) const override {
        return std::nullopt;
    }
    bool WriteString(std::string_view, std::string_view, std::string_view) override { return true; }
    bool WriteInt(std::string_view, std::string_view, int) override { return true; }
    void ReportSaveFailure(const std::string&, const quill::FileError&) override {}
    void UpdateAllViews() override {}
};

// One 10 ms poll tick (while the cursor may be on the window) with "Track mouse" on, the cursor at
// rest in the given place.
void BM_PollTick(benchmark::State& run) {
    QuietWindow window;
    window.place = static_cast<quill::CursorPlace>(run.range(0));
    Quiet quiet;
    quill::ListStore store(quiet);
    quill::FrameSettings settings;
    quill::DueTaskPass pass(store, quiet, quiet, quiet, quiet);
    quill::SystemTimerClock clock;
    quill::FrameTimerDuties duties(settings, true, window, window, pass, clock);
    for (auto _ : run) {
        duties.OnTimer(quill::kPollTimerId);
        if (duties.HoverWatch().IsRunning()) {
            duties.OnTimer(quill::kHoverTimerId);
        }
    }
}
BENCHMARK(BM_PollTick)
    ->Arg(static_cast<int>(quill::CursorPlace::Outside))
    ->Arg(static_cast<int>(quill::CursorPlace::Client))
    ->Arg(static_cast<int>(quill::CursorPlace::NonClient));

// The task pass at a minute's start, over a list of n tasks, none of them due.
void BM_DueTaskPass(benchmark::State& run) {
    Quiet quiet;
    quill::ListStore store(quiet);
    for (int i = 0; i < run.range(0); ++i) {
        store.Tasks().push_back({"17.05.2024", "15:30", std::to_string(i)});
    }
    quill::DueTaskPass pass(store, quiet, quiet, quiet, quiet);
    for (auto _ : run) {
        pass.Run();
    }
}
BENCHMARK(BM_DueTaskPass)->Arg(100)->Arg(10000);

} // namespace
