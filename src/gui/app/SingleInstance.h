#pragma once

#include "core/app/InstanceRequest.h"
#include "profile/QtLockFile.h"

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user and display. The first start holds a lock
// file for its whole run and listens on a local socket; a later start sends
// its request there and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,      // no other instance: this process runs the program
        HandedOver, // the running instance took the request
        NoAnswer,   // one holds the lock but did not answer in time
    };

    // For this process's user and display.
    SingleInstance();
    explicit SingleInstance(const QString& serverName);
    ~SingleInstance() override;

    // Becomes the first instance, or hands request to the one that runs. A
    // running instance that is still starting is waited for up to waitMs.
    Outcome Start(const quill::InstanceMessage& request, int waitMs = 10000);

    // The first instance starts taking requests (emitted as Requested).
    bool Listen();

signals:
    void Requested(const quill::InstanceMessage& request);

private:
    bool SendRequest(const quill::InstanceMessage& request);
    bool SendLine(const std::string& line, QByteArray& answer);
    void Serve();

    QString m_serverName;
    QString m_lockPath;
    QtLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
