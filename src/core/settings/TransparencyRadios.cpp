#include "settings/TransparencyRadios.h"

#include <array>

namespace quill {

namespace {
// Index = radio; the same pairs the tray menu uses.
constexpr std::array kRadioLevels{1, 20, 60, 40, 80};
} // namespace

int TransparencyRadioForLevel(int level) {
    for (std::size_t radio = 0; radio < kRadioLevels.size(); ++radio) {
        if (kRadioLevels[radio] == level) {
            return static_cast<int>(radio);
        }
    }
    return kNoTransparencyRadio;
}

std::optional<int> LevelForTransparencyRadio(int radio) {
    if (radio < 0 || radio >= static_cast<int>(kRadioLevels.size())) {
        return std::nullopt;
    }
    return kRadioLevels[static_cast<std::size_t>(radio)];
}

} // namespace quill
