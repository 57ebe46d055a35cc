#include "core/settings/Transparency.h"

#include <array>

namespace quill {

namespace {
constexpr std::array<LevelCommand, 5> kLevelCommands{{
    {kLevelNoCommand, "&No", 1},
    {kLevel20Command, "&20%", 20},
    {kLevel40Command, "&40%", 60},
    {kLevel60Command, "&60%", 40},
    {kLevel80Command, "&80%", 80},
}};
} // namespace

std::uint8_t AlphaForLevel(int code) {
    if (code == kOpaqueLevel) {
        return 255;
    }
    if (code == 0) {
        code = kDefaultLevel;
    }
    // The product always fits in 32 bits (|255 / code| <= 255); only its low byte counts.
    const int product = (255 / code) * 100;
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(product) & 0xFFu);
}

int SanitizeStoredLevel(int code) {
    return code >= 1 && code <= 255 ? code : kDefaultLevel;
}

std::span<const LevelCommand> LevelCommands() {
    return kLevelCommands;
}

std::optional<int> LevelCodeForCommand(int commandId) {
    for (const LevelCommand& command : kLevelCommands) {
        if (command.id == commandId) {
            return command.code;
        }
    }
    return std::nullopt;
}

bool IsLevelCommandChecked(int commandId, int currentCode) {
    auto code = LevelCodeForCommand(commandId);
    return code && *code == currentCode;
}

int TransparencyRadioForLevel(int level) {
    for (std::size_t radio = 0; radio < kLevelCommands.size(); ++radio) {
        if (kLevelCommands[radio].code == level) {
            return static_cast<int>(radio);
        }
    }
    return kNoTransparencyRadio;
}

std::optional<int> LevelForTransparencyRadio(int radio) {
    if (radio < 0 || radio >= static_cast<int>(kLevelCommands.size())) {
        return std::nullopt;
    }
    return kLevelCommands[static_cast<std::size_t>(radio)].code;
}

} // namespace quill
