#pragma once

#include "frame/FrameActivation.h"
#include "frame/FrameCommands.h"
#include "frame/FrameShowing.h"
#include "frame/FrameTimers.h"
#include "frame/FrameToolBar.h"
#include "frame/FrameTransparency.h"
#include "frame/FrameTray.h"

class CMainFrame;

// The frame window's duties, one class per concern, created with the window.
struct FrameParts {
    explicit FrameParts(CMainFrame& frame);

    FrameTransparency transparency;
    FrameCommands commands;
    FrameToolBar toolBar;
    FrameTimers timers;
    FrameTray tray;
    FrameActivation activation;
    FrameShowing showing;
};
