#include "core/frame/CommandTable.h"

namespace quill {

namespace {
using enum ToolbarPlace;
constexpr FrameCommand kCommands[] = {
    {kSettingsCommand, "&Settings", "Settings", Button},
    {kSaveNoteCommand, "Save", "Save", Button},
    {kCutCommand, "Cut", "Cut", ButtonAfterSeparator},
    {kCopyCommand, "Copy", "Copy", Button},
    {kPasteCommand, "Paste", "Paste", Button},
    {kTransparenceCommand, "Transparence", "Transparence", ButtonAfterSeparator},
    {kShowWindowCommand, "S&how window", "", None},
    {kHideWindowCommand, "&Hide window", "", None},
    {kAboutCommand, "&About Quillmark...", "", None},
    {kExitCommand, "E&xit", "", None},
    {kNewDocumentCommand, "New", "", None},
    {kUndoCommand, "Undo", "", None},
    {kStandardToolbarCommand, "Standard Toolbar", "", None},
    {kCustomizeCommand, "&Customize...", "", None},
    {kFindCommand, "&Find...", "Find", Offered},
};
} // namespace

std::span<const FrameCommand> CommandTable() {
    return kCommands;
}

} // namespace quill
