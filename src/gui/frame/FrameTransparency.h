#pragma once

#include "core/frame/WindowAlpha.h"

#include <QObject>

class QWidget;

// The frame window's opacity, as the logic sets it. Whether the window system
// shows opacity at all is decided once, here, when the window is created.
class FrameTransparency : public QObject, public quill::WindowAlpha {
    Q_OBJECT
public:
    explicit FrameTransparency(QWidget& window);

    bool Available() const { return m_available; }

    // Changes the window only when the alpha differs: the poll tick sets the
    // same value a hundred times a second.
    void SetAlpha(std::uint8_t alpha) override;

private:
    QWidget& m_window;
    bool m_available;
    int m_alpha = -1;
};
