#pragma once

// Everything that must be done before the QApplication exists (application
// names, attributes the web engine needs when its plug-in loads later). The
// program and the GUI tests call it.
void PrepareBeforeApplication();

// The names and version the profile and the command line use; needs no display.
void NameApplication();
