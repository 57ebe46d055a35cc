#pragma once

#include <optional>

namespace quill {

// The settings dialog's five transparency radios ("No", "20%", "40%", "60%",
// "80%", index 0 to 4) and the levels they stand for. A label stands for the
// same level as the tray menu item of that label, so "40%" is level 60 and
// "60%" is level 40 in both places.
inline constexpr int kNoTransparencyRadio = -1;

// The radio for a stored level; kNoTransparencyRadio for a level not offered.
int TransparencyRadioForLevel(int level);

// The level for a radio; nothing for kNoTransparencyRadio or an unknown index.
std::optional<int> LevelForTransparencyRadio(int radio);

} // namespace quill
