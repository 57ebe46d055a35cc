#pragma once

#include "core/settings/FrameSettings.h"

#include <QObject>
#include <functional>

// The frame's settings for the whole run, held in this one place. Every change
// goes through Change, and whatever acts on a setting hears of it through
// Changed: no writer has to know whom to tell.
class FrameSettingsOwner : public QObject {
    Q_OBJECT
public:
    explicit FrameSettingsOwner(const quill::FrameSettings& settings) : m_settings(settings) {}

    const quill::FrameSettings& Get() const { return m_settings; }
    // Changed is emitted only when the edit changed something.
    void Change(const std::function<void(quill::FrameSettings&)>& edit);

signals:
    void Changed(const quill::FrameSettings& settings);

private:
    quill::FrameSettings m_settings;
};
