#pragma once

#include "settings/TransparencyRadios.h"

namespace quill {

struct MainFrameState;
class BrowserMenuEntry;

// What the settings dialog shows and lets the user change.
struct SettingsChoice {
    int transparencyRadio = kNoTransparencyRadio;
    bool integrate = false;
    bool trackMouse = false;
};

SettingsChoice SettingsChoiceFromFrame(const MainFrameState& state);

// Save: the two flags, the level when a radio is chosen, then the browser menu
// entry at once. The profile values are stored when the frame goes, as ever.
void SaveSettingsChoice(const SettingsChoice& choice, MainFrameState& state,
                        BrowserMenuEntry& menuEntry);

// A "Yes"/"No" confirmation.
class YesNoQuestion {
public:
    virtual ~YesNoQuestion() = default;
    virtual bool AskYes() = 0;
};

// On "Yes": empties the file and the list at once and returns true (the views
// then redraw). A file that cannot be rewritten keeps its content, the list is
// emptied all the same.
bool DeleteAllLinks(MainFrameState& state, YesNoQuestion& question);
bool DeleteAllTasks(MainFrameState& state, YesNoQuestion& question);

} // namespace quill
