#include "settings/SettingsChoice.h"

#include "frame/MainFrameState.h"
#include "integration/BrowserMenuEntry.h"
#include "links/LinkFile.h"
#include "tasks/TaskFile.h"

namespace quill {

SettingsChoice SettingsChoiceFromFrame(const MainFrameState& state) {
    return SettingsChoice{TransparencyRadioForLevel(state.m_transparency), state.m_bIntegrate,
                          state.m_bTrackMouse};
}

void SaveSettingsChoice(const SettingsChoice& choice, MainFrameState& state,
                        BrowserMenuEntry& menuEntry) {
    state.m_bIntegrate = choice.integrate;
    state.m_bTrackMouse = choice.trackMouse;
    if (auto level = LevelForTransparencyRadio(choice.transparencyRadio)) {
        state.m_transparency = *level;
    }
    menuEntry.Apply(state.m_bIntegrate, state.m_extensionPage);
}

bool DeleteAllLinks(MainFrameState& state, YesNoQuestion& question) {
    if (!question.AskYes()) {
        return false;
    }
    SaveLinkFile(state.m_linkFilePath, {});
    state.m_links.clear();
    return true;
}

bool DeleteAllTasks(MainFrameState& state, YesNoQuestion& question) {
    if (!question.AskYes()) {
        return false;
    }
    SaveTaskFile(state.m_taskFilePath, {});
    state.m_tasks.clear();
    return true;
}

} // namespace quill
