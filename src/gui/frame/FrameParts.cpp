#include "frame/FrameParts.h"

#include <QMainWindow>

FrameParts::FrameParts(QMainWindow& window, CQuillboxDoc& document, quill::FrameSettings& settings,
                       quill::Profile& profile)
    : transparency(window, settings),
      commands(window, settings, document, transparency.Available()),
      toolBar(window, commands, profile), timers(window, document, settings, transparency),
      tray(window, commands) {
    timers.Start();
}
