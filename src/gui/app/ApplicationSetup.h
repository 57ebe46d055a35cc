#pragma once

// Everything that must be done before the QApplication exists (URL schemes,
// web engine switches, application names). The program and the GUI tests call it.
void PrepareBeforeApplication();
