#pragma once

#include <functional>
#include <memory>

class QWidget;

// Reports the cursor coming onto and leaving a top-level window together with
// the caption and borders the window manager draws around it, so that nothing
// has to ask where the cursor is while it is away. Where the window system
// offers no such report, nothing is reported.
class FrameHover {
public:
    FrameHover(QWidget& window, std::function<void(bool onWindow)> report);
    ~FrameHover();
    FrameHover(const FrameHover&) = delete;
    FrameHover& operator=(const FrameHover&) = delete;

    // No caption or border lies outside the area Qt reports enter and leave
    // for (no window manager, or a platform without frames).
    bool Unframed() const;
    // The window system's cursor position is one XWayland kept from when the
    // cursor left this window for a Wayland window: the cursor is elsewhere.
    bool CursorLeftForWayland() const;

    struct Watch;

private:
    std::unique_ptr<Watch> m_watch;
};
