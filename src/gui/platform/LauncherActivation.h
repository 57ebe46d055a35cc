#pragma once

#include "core/app/InstanceRequest.h"

class QWidget;

// A later start hands over what its launcher gave it (a startup id on X11, an
// activation token on Wayland); the running program answers that launch with
// its window.

// Before the window is shown or raised: tells the desktop which launch the
// window answers.
void BeginLauncherActivation(QWidget* window, const quill::InstanceMessage& launch);

// After: activates the window, if shown, with the time of the launcher's click
// (a desktop that prevents focus stealing honours it), and ends the launcher's
// busy cursor.
void FinishLauncherActivation(QWidget* window, const quill::InstanceMessage& launch);
