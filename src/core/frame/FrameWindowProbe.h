#pragma once

#include "core/frame/CursorPlace.h"

namespace quill {

// What the timer ticks read from the window system and do to the window.
class FrameWindowProbe {
public:
    virtual ~FrameWindowProbe() = default;
    virtual CursorPlace LocateCursor() = 0;
    virtual bool StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // Draw the frame again (its look follows OverNonClient()).
    virtual void Repaint() = 0;
};

} // namespace quill
