#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quill {

struct MainFrameState;
class WindowAlpha;

inline constexpr int kOpaqueLevel = 1;
inline constexpr int kDefaultLevel = 80;

// The window alpha of a level code: 255 for 1, otherwise the low 8 bits of
// (255 / code) * 100. Codes above 255 give 0; 0 is no level and is taken as 80.
std::uint8_t AlphaForLevel(int code);

// A stored level outside 1 to 255 would fade the window away completely, so
// it is read as the default level.
int SanitizeStoredLevel(int code);

// One item of the level menus (tray submenu and toolbar drop-down).
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

// Stores the command's code as the level; the alpha follows on the next
// MakeTranslucent. Returns false for a command that is no level command.
bool ApplyLevelCommand(MainFrameState& state, int commandId);

// Both do nothing where translucency is not available (m_bLayered false).
void MakeOpaque(const MainFrameState& state, WindowAlpha& window);
void MakeTranslucent(const MainFrameState& state, WindowAlpha& window);

} // namespace quill
