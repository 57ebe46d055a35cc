#pragma once

#include "core/integration/PickupRetry.h"

#include <QObject>

class CNewLinkPickup;
class QFileSystemWatcher;
class QTimer;

// Runs the link pickup when the profile's folder changes, instead of on a
// fast tick. Saves replace the profile file, so the folder is watched, not
// the file. The frame's slow tick is the safety net for a missed change.
class LinkPickupWatch : public QObject, public quill::PollDuty {
    Q_OBJECT
public:
    LinkPickupWatch(CNewLinkPickup& pickup, QString profileFile, QObject* parent);

    // One look now (the slow tick's safety check).
    void OnPollTick() override { Look(); }

private:
    void Look();
    // The folder appears with the first save; until then the slow tick looks.
    void WatchFolder();

    CNewLinkPickup& m_pickup;
    QString m_folder;
    QFileSystemWatcher* m_watcher;
    QTimer* m_retryTimer;
    quill::PickupRetry m_retry;
};
