#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quill {

inline constexpr int kOpaqueLevel = 1;
inline constexpr int kDefaultLevel = 80;

// The window alpha of a level code: 255 for 1, otherwise the low 8 bits of
// (255 / code) * 100. Codes above 255 give 0; 0 is no level and is taken as 80.
std::uint8_t AlphaForLevel(int code);

// A stored level outside 1 to 255 would fade the window away completely, so
// it is read as the default level.
int SanitizeStoredLevel(int code);

// One level as the menus (tray submenu, toolbar drop-down) and the settings
// dialog's radios offer it; the radios follow the menu order.
struct LevelCommand {
    int id;
    std::string_view item;
    int code;
};

inline constexpr int kLevelNoCommand = 32838;
inline constexpr int kLevel20Command = 32839;
inline constexpr int kLevel40Command = 32840;
inline constexpr int kLevel60Command = 32841;
inline constexpr int kLevel80Command = 32842;

// In menu order. The "&40%" item stores 60 and "&60%" stores 40; files and
// profiles written by earlier versions rely on these codes.
std::span<const LevelCommand> LevelCommands();

// The code a level command stores; nothing for any other command.
std::optional<int> LevelCodeForCommand(int commandId);

// Whether the item of commandId carries the check mark for the current code.
// A code that no item stores leaves every item unchecked.
bool IsLevelCommandChecked(int commandId, int currentCode);

// The settings dialog's radios are the levels in menu order (index 0 to 4).
inline constexpr int kNoTransparencyRadio = -1;
// The radio for a stored level; kNoTransparencyRadio for a level not offered.
int TransparencyRadioForLevel(int level);
// The level for a radio; nothing for kNoTransparencyRadio or an unknown index.
std::optional<int> LevelForTransparencyRadio(int radio);

} // namespace quill
