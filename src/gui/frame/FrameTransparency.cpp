#include "gui/frame/FrameTransparency.h"

#include "core/settings/FrameSettings.h"
#include "gui/platform/WindowSystem.h"

#include <QWidget>

FrameTransparency::FrameTransparency(QWidget& window, const quill::FrameSettings& settings)
    : QObject(&window), m_window(window), m_settings(settings),
      m_available(WindowOpacityHonoured()) {
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

void FrameTransparency::OnActivateApp(bool active) {
    if (active) {
        quill::MakeOpaque(m_available, *this);
    } else {
        quill::MakeTranslucent(m_available, m_settings.transparency, *this);
    }
}
