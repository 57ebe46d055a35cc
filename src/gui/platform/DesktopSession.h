#pragma once

#include <QString>

// Whether a window system can be reached at all, checked before Qt starts
// (Qt would end the program with its own abort message). Platforms that need
// no display (offscreen, for tests) always count as available.
bool DesktopSessionAvailable();

// The user and the display this process runs for, as they go into the name of
// the running instance's channel.
QString SessionUserId();
QString SessionDisplay();
