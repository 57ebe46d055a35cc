#include "gui/frame/FrameTransparency.h"

#include "gui/platform/WindowSystem.h"

#include <QWidget>

FrameTransparency::FrameTransparency(QWidget& window)
    : QObject(&window), m_window(window), m_available(WindowOpacityHonoured()) {
    quill::MakeOpaque(m_available, *this);
}

void FrameTransparency::SetAlpha(std::uint8_t alpha) {
    if (alpha == m_alpha) {
        return;
    }
    m_alpha = alpha;
    m_window.setWindowOpacity(alpha / 255.0);
    FlushWindowSystem();
}
