#include "gui/settings/FrameSettingsOwner.h"

void FrameSettingsOwner::Change(const std::function<void(quill::FrameSettings&)>& edit) {
    const quill::FrameSettings before = m_settings;
    edit(m_settings);
    if (m_settings != before) {
        emit Changed(m_settings);
    }
}
