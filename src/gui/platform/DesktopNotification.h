#pragma once

#include <QObject>
#include <QString>

// A message in the desktop's notification area, where the desktop runs a
// notification service; clicking it is reported by Clicked().
class DesktopNotification : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotification(QObject* parent = nullptr);
    ~DesktopNotification() override;

    // False, and nothing shown, where there is no notification service. The
    // body is plain text, shown as it is.
    bool Show(const QString& summary, const QString& body);
    // Takes the message back if it is still shown.
    void Close();

signals:
    void Clicked();

private slots:
    void OnActionInvoked(uint id, const QString& action);

private:
    uint m_id = 0;
    bool m_listening = false;
};
