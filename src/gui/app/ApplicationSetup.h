#pragma once

// Everything that must be done before the QApplication exists (URL schemes,
// web engine switches, application names). The program and the GUI tests call it.
void PrepareBeforeApplication();

// The names and version the profile and the command line use; needs no display.
void NameApplication();
