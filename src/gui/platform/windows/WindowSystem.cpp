#include "WindowSystem.h"

// Layered windows exist on every Windows that Qt 6 runs on, and a tool window
// has no taskbar button; Qt applies opacity at once.
bool WindowOpacityHonoured() {
    return true;
}

void KeepOffTaskbar(QWidget*) {}

void StayHiddenWhileHidden(QWidget&) {}

void FlushWindowSystem() {}
