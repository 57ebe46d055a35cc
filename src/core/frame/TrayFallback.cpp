#include "frame/TrayFallback.h"

namespace quill {

std::optional<TrayFallback::Change> TrayFallback::Update(bool trayPresent) {
    if (m_present == trayPresent) {
        return std::nullopt;
    }
    m_present = trayPresent;
    const bool tell = !trayPresent && !m_told;
    m_told = m_told || tell;
    return Change{trayPresent, trayPresent ? HiddenWindow::Unmap : HiddenWindow::Minimise, tell};
}

} // namespace quill
