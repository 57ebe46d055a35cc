#include "core/frame/CHoverWatch.h"

namespace quill {

void CHoverWatch::Start(HoverHost& frame) {
    if (m_host == nullptr && frame.StartHoverTimer()) {
        m_host = &frame;
        frame.OnHoverEnter();
    }
}

void CHoverWatch::Check(HoverHost& frame) {
    // m_host is null for a tick that was already on its way when the watch ended.
    if (m_host != nullptr && !frame.CursorOverFrameItself()) {
        frame.StopHoverTimer();
        m_host = nullptr;
        frame.OnHoverLeave();
    }
}

void CHoverWatch::Stop() {
    if (m_host != nullptr) {
        m_host->StopHoverTimer();
        m_host = nullptr;
    }
}

} // namespace quill
