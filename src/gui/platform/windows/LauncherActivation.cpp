#include "LauncherActivation.h"

// Windows launchers hand nothing over; the window's own activation suffices.
void BeginLauncherActivation(QWidget*, const quill::InstanceMessage&) {}

void FinishLauncherActivation(QWidget*, const quill::InstanceMessage&) {}
