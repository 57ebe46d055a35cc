#pragma once

#include <QIcon>

// The picture of a toolbar command: the desktop theme's where it has one,
// otherwise a small drawn one.
QIcon ToolbarIcon(int commandId);
