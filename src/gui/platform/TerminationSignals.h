#pragma once

#include <QObject>

// Turns a request from outside to end the program (SIGTERM, SIGINT, SIGHUP on
// Unix) into a signal on the user-interface thread, so the program ends in
// order and stores its settings.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Requested();
};
