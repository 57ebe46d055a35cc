#pragma once

class QWidget;

// Window-manager services that Qt leaves out.

// Whether the window system shows a window's opacity: decided once, when the
// frame window is created.
bool WindowOpacityHonoured();

// Keeps the window off the taskbar and the pager. Must run before every show:
// the window manager reads the state only when the window is mapped.
void KeepOffTaskbar(QWidget* window);

// Withdraws the window again whenever the window manager maps it while the
// program counts it hidden: a window hidden before the window manager got to
// its map request (as at a start in the tray) would otherwise show, empty.
void StayHiddenWhileHidden(QWidget& window);

// Sends what Qt has queued for the window system now, so an opacity change is
// seen without waiting for the next event.
void FlushWindowSystem();
