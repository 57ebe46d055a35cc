#pragma once

#include <QLoggingCategory>

// The Qt layer's messages: warnings by default, debug output when asked for
// (--verbose, or QT_LOGGING_RULES="quillmark.*.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcGui)

// Hides the web engine's and OpenGL's start-up chatter unless the user set
// their own logging rules or engine switches. verbose keeps everything.
// Also sends the logic layer's messages to their areas' categories
// (common/LogCategories.h).
void ChooseLoggingDefaults(bool verbose);
