#include "core/settings/SettingsChoice.h"

namespace quill {

SettingsChoice SettingsChoiceFrom(const FrameSettings& settings) {
    return SettingsChoice{TransparencyRadioForLevel(settings.transparency), settings.integrate,
                          settings.trackMouse};
}

void SaveSettingsChoice(const SettingsChoice& choice, FrameSettings& settings,
                        BrowserMenuEntry& menuEntry) {
    settings.integrate = choice.integrate;
    settings.trackMouse = choice.trackMouse;
    if (auto level = LevelForTransparencyRadio(choice.transparencyRadio)) {
        settings.transparency = *level;
    }
    menuEntry.Apply(settings.integrate);
}

} // namespace quill
