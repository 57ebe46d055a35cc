#include "frame/FrameParts.h"

#include "QtProfile.h"
#include "frame/CMainFrame.h"

FrameParts::FrameParts(CMainFrame& frame)
    : transparency(frame), commands(frame, transparency.Available()),
      toolBar(frame, commands, frame.Profile()), timers(frame, transparency), tray(frame, commands),
      activation(frame, [&frame](bool active) { frame.OnActivateApp(active); }), showing(frame) {
    timers.Start();
}
