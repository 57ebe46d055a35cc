#pragma once

#include "gui/frame/FrameCommands.h"
#include "gui/frame/FrameShowing.h"
#include "gui/frame/FrameTimers.h"
#include "gui/frame/FrameToolBar.h"
#include "gui/frame/FrameTransparency.h"
#include "gui/frame/FrameTray.h"

class FrameSettingsOwner;
class QMainWindow;

// The frame window's duties, one class per concern, created with the window.
struct FrameParts {
    FrameParts(QMainWindow& window, CQuillboxDoc& document, FrameSettingsOwner& settings,
               quill::Profile& profile);

    FrameTransparency transparency;
    FrameCommands commands;
    FrameToolBar toolBar;
    FrameTimers timers;
    FrameTray tray;
    FrameShowing showing;
};
