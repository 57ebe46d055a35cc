#include "gui/integration/LinkPickupWatch.h"

#include "gui/integration/CNewLinkPickup.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

LinkPickupWatch::LinkPickupWatch(CNewLinkPickup& pickup, QString profileFile, QObject* parent)
    : QObject(parent), m_pickup(pickup), m_folder(QFileInfo(profileFile).absolutePath()),
      m_watcher(new QFileSystemWatcher(this)), m_retryTimer(new QTimer(this)) {
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &LinkPickupWatch::Look);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &LinkPickupWatch::Look);
    WatchFolder();
    // Links left from before the start are offered at once, not at the slow tick.
    QTimer::singleShot(0, this, &LinkPickupWatch::Look);
}

void LinkPickupWatch::WatchFolder() {
    if (m_watcher->directories().isEmpty()) {
        m_watcher->addPath(m_folder);
    }
}

void LinkPickupWatch::Look() {
    WatchFolder();
    const int retryMs = m_retry.After(m_pickup.Poll());
    if (retryMs > 0) {
        m_retryTimer->start(retryMs);
    } else {
        m_retryTimer->stop();
    }
}
