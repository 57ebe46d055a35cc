#include "gui/platform/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A notification service that hangs must not hold up the reminder for long.
constexpr int kCallTimeoutMs = 2000;

QDBusConnection Bus() {
    return QDBusConnection::sessionBus();
}

// A server that reads markup in the body would show a comment's "<b>" bold and
// could drop what follows a stray "<" or "&"; one that does not shows the body
// as it is. A server that cannot say is taken to read it.
QString BodyFor(QDBusConnection& bus, const QString& text) {
    const QDBusReply<QStringList> capabilities =
        bus.call(QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                QStringLiteral("GetCapabilities")),
                 QDBus::Block, kCallTimeoutMs);
    if (capabilities.isValid() && !capabilities.value().contains(QStringLiteral("body-markup"))) {
        return text;
    }
    // Named entities only: some servers take no numeric ones.
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&apos;"));
}
} // namespace

DesktopNotification::DesktopNotification(QObject* parent) : QObject(parent) {}

DesktopNotification::~DesktopNotification() {
    Close();
}

bool DesktopNotification::Show(const QString& summary, const QString& body) {
    QDBusConnection bus = Bus();
    // Only a service that runs: starting one on demand would only show that
    // the desktop has none of its own.
    if (!bus.isConnected() || bus.interface() == nullptr ||
        !bus.interface()->isServiceRegistered(kService)) {
        return false;
    }
    Close();
    if (!m_listening) {
        m_listening = bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"),
                                  this, SLOT(OnActionInvoked(uint, QString)));
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QStringList actions{QStringLiteral("default"), tr("Show")};
    call << QStringLiteral("Quillmark") << uint(0) << QStringLiteral("appointment-soon") << summary
         << BodyFor(bus, body) << actions << QVariantMap() << int(-1);
    const QDBusReply<uint> reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        return false;
    }
    m_id = reply.value();
    return true;
}

void DesktopNotification::Close() {
    if (m_id == 0) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CloseNotification"));
    call << m_id;
    Bus().call(call, QDBus::NoBlock);
    m_id = 0;
}

void DesktopNotification::OnActionInvoked(uint id, const QString&) {
    // Any action of ours, "default" being the click on the message itself.
    if (id != 0 && id == m_id) {
        emit Clicked();
    }
}
