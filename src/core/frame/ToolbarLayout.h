#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

inline constexpr int kToolbarSeparator = 0;

inline constexpr int kSettingsCommand = 32837;
inline constexpr int kSaveNoteCommand = 32834;
inline constexpr int kCutCommand = 57635;
inline constexpr int kCopyCommand = 57634;
inline constexpr int kPasteCommand = 57637;
inline constexpr int kTransparenceCommand = 32836;

// Where the "Standard" toolbar keeps the user's choice of buttons.
inline constexpr std::string_view kToolbarButtonsValue = "Standard toolbar buttons";

// The buttons of the "Standard" toolbar, in order; 0 stands for a separator.
std::span<const int> DefaultToolbarButtons();

// Reads a stored layout: command ids separated by ",". Nothing stored gives the
// default. Ids that are no toolbar command and repeated commands are dropped.
std::vector<int> ParseToolbarButtons(const std::optional<std::string>& stored);
std::string FormatToolbarButtons(std::span<const int> buttons);

} // namespace quill
