#include "gui/frame/CommandLook.h"

#include "core/frame/CommandTable.h"
#include "core/settings/Transparency.h"

#include <algorithm>

namespace {

QList<QKeySequence> Keys(std::initializer_list<QKeyCombination> keys) {
    QList<QKeySequence> sequences;
    for (QKeyCombination key : keys) {
        sequences.append(QKeySequence(key));
    }
    return sequences;
}

} // namespace

// Editing keys reach a focused editor first; the shortcuts here are for the
// toolbar's sake and for widgets without their own.
const std::vector<CommandLook>& CommandLooks() {
    using namespace quill;
    static const std::vector<CommandLook> looks{
        {.id = kSettingsCommand, .themeIcon = "preferences-system", .picture = DrawSettingsPicture},
        {.id = kSaveNoteCommand, .themeIcon = "document-save", .picture = DrawSavePicture},
        {.id = kCutCommand,
         .shortcuts = Keys({Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete}),
         .focusSlot = "cut",
         .themeIcon = "edit-cut",
         .picture = DrawCutPicture},
        {.id = kCopyCommand,
         .shortcuts = Keys({Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}),
         .focusSlot = "copy",
         .themeIcon = "edit-copy",
         .picture = DrawCopyPicture},
        {.id = kPasteCommand,
         .shortcuts = Keys({Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}),
         .focusSlot = "paste",
         .themeIcon = "edit-paste",
         .picture = DrawPastePicture},
        // No theme icon says "transparency"; the drawn picture is the only one.
        {.id = kTransparenceCommand, .picture = DrawTransparencePicture},
        {.id = kShowWindowCommand, .checkable = true},
        {.id = kHideWindowCommand, .checkable = true},
        {.id = kAboutCommand},
        {.id = kExitCommand},
        {.id = kNewDocumentCommand, .shortcuts = Keys({Qt::CTRL | Qt::Key_N})},
        {.id = kUndoCommand,
         .shortcuts = Keys({Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace}),
         .focusSlot = "undo"},
        {.id = kStandardToolbarCommand, .checkable = true},
        {.id = kCustomizeCommand},
        {.id = kFindCommand,
         .shortcuts = Keys({Qt::CTRL | Qt::Key_F}),
         .themeIcon = "edit-find",
         .picture = DrawFindPicture},
        {.id = kLevelNoCommand, .checkable = true},
        {.id = kLevel20Command, .checkable = true},
        {.id = kLevel40Command, .checkable = true},
        {.id = kLevel60Command, .checkable = true},
        {.id = kLevel80Command, .checkable = true},
    };
    return looks;
}

const CommandLook& LookOf(int commandId) {
    static const CommandLook none;
    const auto& looks = CommandLooks();
    auto it = std::ranges::find(looks, commandId, &CommandLook::id);
    return it != looks.end() ? *it : none;
}
