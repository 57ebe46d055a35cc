#include "gui/integration/CNewLinkPickup.h"

#include "gui/common/LogCategories.h"
#include "profile/QtProfile.h"

#include <QFile>

CNewLinkPickup::CNewLinkPickup(QtProfile& profile, Offer offer)
    : m_profilePath(QFile::encodeName(profile.Path()).toStdString()),
      m_profileLock(m_profilePath + ".lock"), m_slot(m_profilePath, m_profileLock),
      m_inbox(m_profilePath, m_profileLock), m_offer(std::move(offer)) {}

quill::PickupResult CNewLinkPickup::Poll() {
    quill::PickupResult result = quill::PickupResult::NothingWaiting;
    // A profile file that comes, goes or changes is a change.
    const std::optional<quill::FileStamp> stamp = quill::StampOfFile(m_profilePath);
    const bool changed = !m_seenOnce || stamp != m_lastSeen;
    if (changed || m_retry) {
        m_seenOnce = true;
        m_lastSeen = stamp;
        result = quill::MoveSlotLinkToQueue(m_slot, m_inbox.Paths());
        m_retry = result == quill::PickupResult::ResetFailed || result == quill::PickupResult::Busy;
        m_lookAgain = m_lookAgain || result == quill::PickupResult::Delivered;
    }
    OfferNext();
    return result;
}

void CNewLinkPickup::OfferNext() {
    const std::optional<quill::FileStamp> queueStamp = quill::StampOfFile(m_inbox.Paths().queue);
    if (queueStamp != m_queueSeen) {
        m_queueSeen = queueStamp;
        m_lookAgain = true;
    }
    // Another instance may hold the queue; this one looks again on later ticks.
    if (m_offering || !m_lookAgain) {
        return;
    }
    if (!m_inbox.Claimed()) {
        if (!m_inbox.Claim()) {
            return;
        }
        qCDebug(lcHandOver) << "reading handed-over links from" << m_inbox.Paths().queue.c_str();
    }
    m_lookAgain = false;
    const auto pending = m_inbox.Pending();
    if (!pending) {
        return;
    }
    for (const quill::QueuedLink& link : *pending) {
        if (m_offered.insert(link.id).second) {
            m_offering = true;
            qCDebug(lcHandOver) << "offering handed-over link" << QString::fromStdString(link.text);
            m_offer(link);
            return;
        }
    }
}

void CNewLinkPickup::Answered() {
    m_offering = false;
    m_lookAgain = true;
    m_inbox.Compact();
    OfferNext();
}
