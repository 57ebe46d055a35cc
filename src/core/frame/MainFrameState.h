#pragma once

#include "files/DataFileResult.h"
#include "links/LinkRecord.h"
#include "tasks/TaskRecord.h"

#include <string>
#include <vector>

namespace quill {

class Profile;
class ProgramRunner;
class BrowserMenuEntry;

// Everything the main frame keeps for the whole run, apart from its window.
struct MainFrameState {
    bool m_bWindowShown = true;
    std::string m_newLinkHref;
    std::string m_newLinkText;
    bool m_bCursorInside = false;
    bool m_bOverNonClient = false;
    std::string m_extensionPage;
    bool m_bIntegrate = true;
    bool m_bTrackMouse = true;
    int m_transparency = 80;
    std::string m_linkFilePath;
    std::string m_taskFilePath;
    std::vector<LinkRecord> m_links;
    std::vector<TaskRecord> m_tasks;
    bool m_bLayered = false;
    bool m_bFirstRun = false; // "IsOpened" was not exactly "true" at start
};

// What the frame needs from outside while it is constructed.
struct FrameEnvironment {
    Profile& profile;
    ProgramRunner& runner;
    BrowserMenuEntry& menuEntry;
    std::string workingFolder;
    std::string windowsFolder; // empty where there is no registry editor
};

struct ListsLoadReport {
    LoadOutcome links = LoadOutcome::Loaded;
    LoadOutcome tasks = LoadOutcome::Loaded;
};

// Reads the settings, runs the first-run import when the program has not run
// before, resolves the file paths, applies the browser menu entry and loads
// both lists, in that order.
ListsLoadReport ConstructFrameState(MainFrameState& state, FrameEnvironment& environment);

// Reads the settings alone (no first-run import, no files).
void ReadFrameSettings(MainFrameState& state, const Profile& profile);

// Writes "Percent", "IsOpened", "Integrate" and "Track mouse", in that order.
// False when any of them could not be written (the others are still tried).
bool StoreFrameSettings(const MainFrameState& state, Profile& profile);

// Empties both lists and reads both files again. A task whose date, time and
// comment are unchanged keeps its reminder flag, so a reminder already shown in
// this minute does not come back; new or changed tasks start not reminded.
ListsLoadReport ReloadLists(MainFrameState& state);

// Gives each reloaded task the reminder flag of the matching earlier task,
// matching in list order; tasks without a match keep false.
void CarryOverReminders(const std::vector<TaskRecord>& previous, std::vector<TaskRecord>& reloaded);

} // namespace quill
