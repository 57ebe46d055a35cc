#include "core/frame/TrayFallback.h"

namespace quill {

std::optional<TrayFallback::Change> TrayFallback::Update(bool trayPresent) {
    if (m_present == trayPresent) {
        return std::nullopt;
    }
    // Said only when the desktop has none at start: one that goes away
    // later is mostly a panel restarting.
    const bool tell = !m_present.has_value() && !trayPresent && !m_told;
    m_present = trayPresent;
    m_told = m_told || tell;
    return Change{trayPresent, trayPresent ? HiddenWindow::Unmap : HiddenWindow::Minimise, tell};
}

TrayPath LiveTrayPath(bool notifierHost, bool embeddingTray) {
    if (notifierHost) {
        return TrayPath::StatusNotifier;
    }
    return embeddingTray ? TrayPath::Embedded : TrayPath::None;
}

} // namespace quill
