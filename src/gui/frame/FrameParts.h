#pragma once

#include "frame/FrameCommands.h"
#include "frame/FrameTimers.h"
#include "frame/FrameToolBar.h"
#include "frame/FrameTransparency.h"
#include "frame/FrameTray.h"

class QMainWindow;

// The frame window's duties, one class per concern, created with the window.
struct FrameParts {
    FrameParts(QMainWindow& window, CQuillboxDoc& document, quill::FrameSettings& settings,
               quill::Profile& profile);

    FrameTransparency transparency;
    FrameCommands commands;
    FrameToolBar toolBar;
    FrameTimers timers;
    FrameTray tray;
};
