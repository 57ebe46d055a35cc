#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

inline constexpr int kToolbarSeparator = 0;

// Where the "Standard" toolbar keeps the user's choice of buttons.
inline constexpr std::string_view kToolbarButtonsValue = "Standard toolbar buttons";

// The buttons of the "Standard" toolbar as the command table places them; 0
// stands for a separator.
std::vector<int> DefaultToolbarButtons();
// Every command that can be a button: the default ones, then those offered.
std::vector<int> ToolbarCommands();

// Reads a stored layout: command ids separated by ",". Nothing stored gives the
// default. Ids that are no toolbar command and repeated commands are dropped.
std::vector<int> ParseToolbarButtons(const std::optional<std::string>& stored);
std::string FormatToolbarButtons(const std::vector<int>& buttons);

} // namespace quill
