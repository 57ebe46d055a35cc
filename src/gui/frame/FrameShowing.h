#pragma once

#include "core/frame/WindowPlacement.h"

#include <QRect>

class QEvent;
class QMainWindow;

// What every show of the frame does, at start and from the tray: the window
// comes back where it was and as large as it was, kept inside its screen's
// free area (a large font scale makes it larger than a small screen), in
// front and active, with the keyboard focus in the active tab's view. Window
// managers do not activate a newly mapped tool window themselves.
class FrameShowing {
public:
    explicit FrameShowing(QMainWindow& frame) : m_frame(frame) {}

    // The frame's show, hide, move and resize, as the frame hands them on.
    void OnFrameEvent(const QEvent& event);

private:
    void BringToFront();
    // Before the window is mapped: where it comes back, asked of the window
    // manager as the program's own position.
    void PlaceBeforeMap();
    // Once the window manager has put its frame around the window.
    void KeepFrameInside();
    QRect Available() const;

    QMainWindow& m_frame;
    QRect m_geometry;
    quill::FrameMargins m_margins;
    bool m_framePending = false;
};
