#pragma once

#include <QLoggingCategory>

// One category per area the logic layer logs for; warnings by default, debug
// output with --verbose or QT_LOGGING_RULES="quillmark.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcHandOver)
Q_DECLARE_LOGGING_CATEGORY(lcLock)
Q_DECLARE_LOGGING_CATEGORY(lcReminders)
// Not a logic area: the notification area the tray icon goes to.
Q_DECLARE_LOGGING_CATEGORY(lcTray)
