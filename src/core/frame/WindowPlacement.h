#pragma once

#include "core/frame/CursorPlace.h"

namespace quill {

// The caption and borders the window manager puts around the client area.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The client rectangle moved, and made smaller where it must be, so that it
// and its frame lie inside the screen's available area (the screen less its
// panels). A window already inside keeps its place and size.
ScreenRect KeepInside(ScreenRect client, FrameMargins frame, ScreenRect available);

} // namespace quill
