#pragma once

#include <span>
#include <string_view>

namespace quill {

// The frame's commands by the numbers earlier versions gave them; the stored
// toolbar layout names its buttons by these numbers.
inline constexpr int kSettingsCommand = 32837;
inline constexpr int kSaveNoteCommand = 32834;
inline constexpr int kTransparenceCommand = 32836;
inline constexpr int kShowWindowCommand = 32843;
inline constexpr int kHideWindowCommand = 32844;
inline constexpr int kCustomizeCommand = 32770;
inline constexpr int kNewDocumentCommand = 57600;
inline constexpr int kCopyCommand = 57634;
inline constexpr int kCutCommand = 57635;
inline constexpr int kPasteCommand = 57637;
inline constexpr int kFindCommand = 57636;
inline constexpr int kUndoCommand = 57643;
inline constexpr int kAboutCommand = 57664;
inline constexpr int kExitCommand = 57665;
inline constexpr int kStandardToolbarCommand = 59392;

// Where a command sits on the program's own toolbar layout. An offered
// command is no button at first, but the customisation dialog offers it.
enum class ToolbarPlace { None, Button, ButtonAfterSeparator, Offered };

struct FrameCommand {
    int id;
    std::string_view text;
    std::string_view toolTip; // also the command's name in the customisation dialog
    ToolbarPlace toolbar;
};

// Every command of the frame apart from the transparency levels, toolbar
// buttons in their default order. The GUI keeps each command's keys, check
// mark and icon in a table of its own, keyed by these ids.
std::span<const FrameCommand> CommandTable();

} // namespace quill
