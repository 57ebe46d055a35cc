#include "frame/FrameParts.h"

#include "frame/CMainFrame.h"
#include "QtProfile.h"

FrameParts::FrameParts(CMainFrame& frame)
    : transparency(frame), commands(frame, transparency.Available()),
      toolBar(frame, commands, frame.Profile()), timers(frame, transparency),
      tray(frame, commands) {
    timers.Start();
}
