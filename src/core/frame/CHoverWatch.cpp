#include "frame/CHoverWatch.h"

namespace quill {

bool CHoverWatch::Start(HoverHost& frame) {
    if (m_host != nullptr) {
        return true;
    }
    if (!frame.StartHoverTimer()) {
        return false;
    }
    m_host = &frame;
    frame.OnHoverEnter();
    return true;
}

bool CHoverWatch::Check(HoverHost& frame) {
    if (m_host == nullptr) {
        return true; // a tick that was already on its way when the watch ended
    }
    if (!frame.CursorOverFrameItself()) {
        frame.StopHoverTimer();
        m_host = nullptr;
        frame.OnHoverLeave();
    }
    return true;
}

void CHoverWatch::Stop() {
    if (m_host != nullptr) {
        m_host->StopHoverTimer();
        m_host = nullptr;
    }
}

} // namespace quill
