#include "frame/ToolbarLayout.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quill {

namespace {
constexpr std::array<int, 8> kDefaultButtons{
    kSettingsCommand, kSaveNoteCommand, kToolbarSeparator, kCutCommand,
    kCopyCommand,     kPasteCommand,    kToolbarSeparator, kTransparenceCommand};

bool IsToolbarCommand(int id) {
    return id != kToolbarSeparator &&
           std::find(kDefaultButtons.begin(), kDefaultButtons.end(), id) != kDefaultButtons.end();
}
} // namespace

std::span<const int> DefaultToolbarButtons() {
    return kDefaultButtons;
}

std::vector<int> ParseToolbarButtons(const std::optional<std::string>& stored) {
    if (!stored) {
        return {kDefaultButtons.begin(), kDefaultButtons.end()};
    }
    std::vector<int> buttons;
    std::string_view rest = *stored;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        int id = -1;
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

std::string FormatToolbarButtons(std::span<const int> buttons) {
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
