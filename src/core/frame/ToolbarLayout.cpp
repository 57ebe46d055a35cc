#include "core/frame/ToolbarLayout.h"

#include "core/frame/CommandTable.h"

#include <algorithm>
#include <charconv>

namespace quill {

namespace {
bool IsToolbarCommand(int id) {
    const auto commands = CommandTable();
    return std::any_of(commands.begin(), commands.end(), [id](const FrameCommand& command) {
        return command.id == id && command.toolbar != ToolbarPlace::None;
    });
}
} // namespace

std::vector<int> DefaultToolbarButtons() {
    std::vector<int> buttons;
    for (const FrameCommand& command : CommandTable()) {
        if (command.toolbar == ToolbarPlace::ButtonAfterSeparator) {
            buttons.push_back(kToolbarSeparator);
        }
        if (command.toolbar != ToolbarPlace::None && command.toolbar != ToolbarPlace::Offered) {
            buttons.push_back(command.id);
        }
    }
    return buttons;
}

std::vector<int> ToolbarCommands() {
    std::vector<int> commands = DefaultToolbarButtons();
    std::erase(commands, kToolbarSeparator);
    for (const FrameCommand& command : CommandTable()) {
        if (command.toolbar == ToolbarPlace::Offered) {
            commands.push_back(command.id);
        }
    }
    return commands;
}

std::vector<int> ParseToolbarButtons(const std::optional<std::string>& stored) {
    if (!stored) {
        return DefaultToolbarButtons();
    }
    std::vector<int> buttons;
    std::string_view rest = *stored;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        int id{};
        auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), id);
        if (error != std::errc() || end != item.data() + item.size()) {
            continue;
        }
        const bool repeated = std::find(buttons.begin(), buttons.end(), id) != buttons.end();
        if (id == kToolbarSeparator || (IsToolbarCommand(id) && !repeated)) {
            buttons.push_back(id);
        }
    }
    return buttons;
}

std::string FormatToolbarButtons(const std::vector<int>& buttons) {
    std::string text;
    for (int id : buttons) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(id);
    }
    return text;
}

} // namespace quill
