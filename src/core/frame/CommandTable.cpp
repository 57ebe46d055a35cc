#include "frame/CommandTable.h"

#include <array>

namespace quill {

namespace {
using enum ToolbarPlace;
constexpr std::array<FrameCommand, 14> kCommands{{
    {kSettingsCommand, "&Settings", "Settings", false, Button},
    {kSaveNoteCommand, "Save", "Save", false, Button},
    {kCutCommand, "Cut", "Cut", false, ButtonAfterSeparator},
    {kCopyCommand, "Copy", "Copy", false, Button},
    {kPasteCommand, "Paste", "Paste", false, Button},
    {kTransparenceCommand, "Transparence", "Transparence", false, ButtonAfterSeparator},
    {kShowWindowCommand, "S&how window", "", true, None},
    {kHideWindowCommand, "&Hide window", "", true, None},
    {kAboutCommand, "&About Quillmark...", "", false, None},
    {kExitCommand, "E&xit", "", false, None},
    {kNewDocumentCommand, "New", "", false, None},
    {kUndoCommand, "Undo", "", false, None},
    {kStandardToolbarCommand, "Standard Toolbar", "", true, None},
    {kCustomizeCommand, "&Customize...", "", false, None},
}};
} // namespace

std::span<const FrameCommand> CommandTable() {
    return kCommands;
}

} // namespace quill
