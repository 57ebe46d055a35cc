#pragma once

#include <functional>
#include <memory>

class QWidget;

// Reports the cursor coming onto and leaving a top-level window together with
// the caption and borders the window manager draws around it, so that nothing
// has to ask where the cursor is while it is away. Where the window system
// offers no such report, Watching() stays false.
class FrameHover {
public:
    FrameHover(QWidget& window, std::function<void(bool onWindow)> report);
    ~FrameHover();
    FrameHover(const FrameHover&) = delete;
    FrameHover& operator=(const FrameHover&) = delete;

    // The window manager's frame around the window is watched now.
    bool Watching() const;

    struct Watch;

private:
    std::unique_ptr<Watch> m_watch;
};
