#include "frame/FrameTransparency.h"

#include "WindowSystem.h"
#include "frame/CMainFrame.h"
#include "frame/Transparency.h"

FrameTransparency::FrameTransparency(CMainFrame& frame)
    : QObject(&frame), m_frame(frame), m_available(WindowOpacityHonoured()) {
    m_frame.State().m_bLayered = m_available;
    quill::MakeOpaque(m_frame.State(), *this);
}

void FrameTransparency::SetAlpha(std::uint8_t alpha) {
    if (alpha == m_alpha) {
        return;
    }
    m_alpha = alpha;
    m_frame.setWindowOpacity(alpha / 255.0);
    FlushWindowSystem();
}

void FrameTransparency::OnActivateApp(bool active) {
    if (active) {
        quill::MakeOpaque(m_frame.State(), *this);
    } else {
        quill::MakeTranslucent(m_frame.State(), *this);
    }
}
