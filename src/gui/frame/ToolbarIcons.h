#pragma once

#include <QIcon>

// The picture of a toolbar command: the desktop theme's where it has one,
// otherwise a small drawn one.
QIcon ToolbarIcon(int commandId);

// The drawn one alone. Looking through the icon theme takes longer than the
// rest of the toolbar, so the window first shows with these.
QIcon DrawnToolbarIcon(int commandId);
