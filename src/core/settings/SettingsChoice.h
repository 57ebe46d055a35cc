#pragma once

#include "core/settings/BrowserMenuEntry.h"
#include "core/settings/FrameSettings.h"
#include "core/settings/Transparency.h"

namespace quill {

// What the settings dialog shows and lets the user change.
struct SettingsChoice {
    int transparencyRadio = kNoTransparencyRadio;
    bool integrate = false;
    bool trackMouse = false;
};

SettingsChoice SettingsChoiceFrom(const FrameSettings& settings);

// Save: the two flags, the level when a radio is chosen, then the browser menu
// entry at once. The profile values are stored when the frame goes, as ever.
void SaveSettingsChoice(const SettingsChoice& choice, FrameSettings& settings,
                        BrowserMenuEntry& menuEntry);

} // namespace quill
