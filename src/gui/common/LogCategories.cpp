#include "gui/common/LogCategories.h"

Q_LOGGING_CATEGORY(lcFiles, "quillmark.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHandOver, "quillmark.handover", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLock, "quillmark.lock", QtInfoMsg)
Q_LOGGING_CATEGORY(lcReminders, "quillmark.reminders", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTray, "quillmark.tray", QtInfoMsg)
