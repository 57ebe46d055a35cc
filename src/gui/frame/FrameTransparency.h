#pragma once

#include "core/frame/WindowAlpha.h"

#include <QObject>

class QWidget;
namespace quill {
struct FrameSettings;
}

// The frame window's opacity: opaque while the program is active, the level's
// alpha while it is not. Whether the window system shows opacity at all is
// decided once, here, when the window is created.
class FrameTransparency : public QObject, public quill::WindowAlpha {
    Q_OBJECT
public:
    FrameTransparency(QWidget& window, const quill::FrameSettings& settings);

    bool Available() const { return m_available; }

    // Changes the window only when the alpha differs: the poll tick sets the
    // same value a hundred times a second.
    void SetAlpha(std::uint8_t alpha) override;

    void OnActivateApp(bool active);

private:
    QWidget& m_window;
    const quill::FrameSettings& m_settings;
    bool m_available;
    int m_alpha = -1;
};
