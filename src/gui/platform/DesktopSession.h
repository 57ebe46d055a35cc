#pragma once

#include "core/app/WindowSystemChoice.h"

#include <QString>

// The window system Qt is to use, decided before Qt starts (Qt would end the
// program with its own abort message where none works). platformArgument is
// the command line's -platform value, if any.
quill::WindowSystemChoice WindowSystemChoiceHere(const QString& platformArgument);

// The user and the display this process runs for, as they go into the name of
// the running instance's channel.
QString SessionUserId();
QString SessionDisplay();
