#include "gui/frame/FrameParts.h"

#include "gui/views/CQuillboxDoc.h"

#include <QMainWindow>

FrameParts::FrameParts(QMainWindow& window, CQuillboxDoc& document, FrameSettingsOwner& settings,
                       quill::Profile& profile)
    : transparency(window), commands(window, settings, document, transparency.Available()),
      toolBar(window, commands, profile), timers(window, document, settings, transparency, profile),
      tray(window, commands, profile, document.WorkingFolder()), showing(window) {
    timers.Start();
}
