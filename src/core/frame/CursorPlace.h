#pragma once

namespace quill {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// A rectangle in screen coordinates; right and bottom edges excluded.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool Contains(ScreenPoint p) const {
        return p.x >= left && p.y >= top && p.x - left < width && p.y - top < height;
    }
};

// Where the cursor is with respect to the main window.
enum class CursorPlace {
    Client,    // inside the client area (toolbar and view included)
    NonClient, // on the caption or the borders
    Outside,
};

// Where the window manager draws the caption, the frame rectangle holds the
// client rectangle and the caption and borders around it.
inline CursorPlace LocateCursor(ScreenPoint cursor, const ScreenRect& client,
                                const ScreenRect& frame) {
    if (client.Contains(cursor)) {
        return CursorPlace::Client;
    }
    return frame.Contains(cursor) ? CursorPlace::NonClient : CursorPlace::Outside;
}

} // namespace quill
