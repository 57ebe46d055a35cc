#pragma once

#include "gui/frame/ToolbarPictures.h"

#include <QKeySequence>
#include <QList>
#include <vector>

// How the GUI presents a command of the frame, keyed by the command's id: the
// one place to extend when a command is added.
struct CommandLook {
    int id = 0;
    QList<QKeySequence> shortcuts = {};
    // Carries a check mark (window shown, toolbar visible, the chosen level).
    bool checkable = false;
    // The slot the command calls on the focused widget; null for commands the
    // frame handles itself.
    const char* focusSlot = nullptr;
    // The desktop theme's icon, tried before the drawn picture.
    const char* themeIcon = "";
    ToolbarPicture picture = nullptr;
};

// Every command of the frame, the transparency levels included.
const std::vector<CommandLook>& CommandLooks();

// The look of a command; an empty look (no id) for an unknown one.
const CommandLook& LookOf(int commandId);
