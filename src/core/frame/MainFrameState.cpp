#include "frame/MainFrameState.h"

#include "app/ProgramRunner.h"
#include "files/PathNames.h"
#include "frame/Transparency.h"
#include "integration/BrowserMenuEntry.h"
#include "integration/FirstRunImport.h"
#include "links/LinkFile.h"
#include "settings/ProfileValues.h"
#include "tasks/TaskFile.h"

namespace quill {

namespace {
constexpr std::string_view kOpenedMarker = "true";
}

void ReadFrameSettings(MainFrameState& state, const Profile& profile) {
    state.m_bFirstRun = ReadString(profile, values::kIsOpened) != kOpenedMarker;
    state.m_bIntegrate = ReadInt(profile, values::kIntegrate) != 0;
    state.m_bTrackMouse = ReadInt(profile, values::kTrackMouse) != 0;
    state.m_transparency = SanitizeStoredLevel(ReadInt(profile, values::kPercent));
    if (state.m_bFirstRun) {
        state.m_bTrackMouse = true;
    }
}

ListsLoadReport ConstructFrameState(MainFrameState& state, FrameEnvironment& environment) {
    ReadFrameSettings(state, environment.profile);
    if (state.m_bFirstRun) {
        if (auto command = FirstRunImportCommand(environment.windowsFolder)) {
            environment.runner.RunAndWait(*command, kRunAndWaitTimeoutMs);
        }
    }
    state.m_bLayered = false;
    state.m_linkFilePath = ResolveInFolder(environment.workingFolder, kLinkFileName);
    state.m_taskFilePath = ResolveInFolder(environment.workingFolder, kTaskFileName);
    state.m_extensionPage = ExtensionPageAddress(environment.workingFolder);
    environment.menuEntry.Apply(state.m_bIntegrate, state.m_extensionPage);
    return ReloadLists(state);
}

bool StoreFrameSettings(const MainFrameState& state, Profile& profile) {
    bool written = WriteInt(profile, values::kPercent, state.m_transparency);
    written = WriteString(profile, values::kIsOpened, kOpenedMarker) && written;
    written = WriteInt(profile, values::kIntegrate, state.m_bIntegrate ? 1 : 0) && written;
    return WriteInt(profile, values::kTrackMouse, state.m_bTrackMouse ? 1 : 0) && written;
}

ListsLoadReport ReloadLists(MainFrameState& state) {
    std::vector<TaskRecord> previous = std::move(state.m_tasks);
    state.m_links.clear();
    state.m_tasks.clear();
    ListsLoadReport report;
    report.links = LoadLinkFile(state.m_linkFilePath, state.m_links);
    report.tasks = LoadTaskFile(state.m_taskFilePath, state.m_tasks);
    CarryOverReminders(previous, state.m_tasks);
    return report;
}

void CarryOverReminders(const std::vector<TaskRecord>& previous,
                        std::vector<TaskRecord>& reloaded) {
    // Walk both lists in order: a reloaded task takes the flag of the next
    // earlier task with the same texts, so a task removed or added elsewhere in
    // the file does not shift the flags onto other tasks.
    std::size_t next = 0;
    for (TaskRecord& task : reloaded) {
        for (std::size_t j = next; j < previous.size(); ++j) {
            const TaskRecord& old = previous[j];
            if (old.m_date == task.m_date && old.m_time == task.m_time &&
                old.m_comment == task.m_comment) {
                task.reminded = old.reminded;
                next = j + 1;
                break;
            }
        }
    }
}

} // namespace quill
