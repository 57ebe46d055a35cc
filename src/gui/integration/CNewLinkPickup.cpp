#include "integration/CNewLinkPickup.h"

#include "QtProfile.h"

#include <QFile>

CNewLinkPickup::CNewLinkPickup(QtProfile& profile, quill::LinkHandOver handOver)
    : m_profilePath(QFile::encodeName(profile.Settings().fileName())),
      m_slot(m_profilePath.toStdString()), m_handOver(std::move(handOver)) {
    // A lock left by a killed host would make every QSettings write here wait.
    quill::RecoverStaleLock(m_slot.LockPath());
}

quill::PickupResult CNewLinkPickup::Poll() {
    const std::optional<ProfileStamp> stamp = StampOfProfile(m_profilePath);
    const bool changed = !m_seenOnce || !stamp || stamp != m_lastSeen;
    if (!changed && !m_retry) {
        return quill::PickupResult::NothingWaiting;
    }
    m_seenOnce = true;
    m_lastSeen = stamp;
    // The hand-over runs a dialog in which further ticks arrive: they must find
    // this tick's bookkeeping done.
    const quill::PickupResult result =
        quill::PollNewLink(m_slot, [this](std::string href, std::string text) {
            m_retry = false;
            m_handOver(std::move(href), std::move(text));
        });
    if (result == quill::PickupResult::ResetFailed || result == quill::PickupResult::Busy) {
        m_retry = true;
    } else if (result == quill::PickupResult::NothingWaiting) {
        m_retry = false;
    }
    return result;
}
