#include "gui/platform/StatusNotifier.h"

#include "gui/common/LogCategories.h"
#include "gui/platform/linux/DBusMenuExport.h"
#include "gui/platform/linux/StatusNotifierItem.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/StatusNotifierItem/Menu");
constexpr int kCallTimeoutMs = 2000;

} // namespace

// Relays the watcher's word that a host came or went.
class WatcherHostRelay : public QObject {
    Q_OBJECT
public:
    explicit WatcherHostRelay(std::function<void()> changed) : m_changed(std::move(changed)) {}
public slots:
    void HostChanged() { m_changed(); }

private:
    std::function<void()> m_changed;
};

struct StatusNotifier::Item {
    Item(QMenu& menu, Events events);
    // True when the host came or went since the last reading.
    bool ReadHost();
    void Register();

    QDBusConnection bus = QDBusConnection::sessionBus();
    Events events;
    StatusNotifierItem item;
    DBusMenuExport menuExport;
    QDBusServiceWatcher watcher;
    WatcherHostRelay relay;
    bool hostPresent = false;
    bool shown = false;
    QString registeredWith; // the unique name of the watcher that has the item
};

StatusNotifier::Item::Item(QMenu& menu, Events givenEvents)
    : events(std::move(givenEvents)), item(menu, kMenuPath, [this] { events.activated(); }),
      menuExport(menu, nullptr), watcher(kWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange),
      relay([this] {
          if (ReadHost()) {
              events.hostChanged();
          }
      }) {
    StatusNotifierItem::RegisterTypes();
    DBusMenuExport::RegisterTypes();
    // A watcher that starts, restarts or ends: a new one knows no items.
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceOwnerChanged, &relay,
                     [this](const QString&, const QString&, const QString& owner) {
                         if (owner.isEmpty()) {
                             registeredWith.clear();
                         }
                         if (ReadHost()) {
                             events.hostChanged();
                         }
                         Register();
                     });
    for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"}) {
        bus.connect(kWatcher, kWatcherPath, kWatcher, QLatin1String(signal), &relay,
                    SLOT(HostChanged()));
    }
    ReadHost();
}

bool StatusNotifier::Item::ReadHost() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kWatcher, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    call << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
    call.setAutoStartService(false); // a watcher is the desktop's to start
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    const bool present = reply.type() == QDBusMessage::ReplyMessage &&
                         !reply.arguments().isEmpty() &&
                         reply.arguments().first().value<QDBusVariant>().variant().toBool();
    if (present == hostPresent) {
        return false;
    }
    hostPresent = present;
    return true;
}

void StatusNotifier::Item::Register() {
    if (!shown) {
        return;
    }
    const QString owner = bus.interface()->serviceOwner(kWatcher);
    if (owner.isEmpty() || owner == registeredWith) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kWatcher, kWatcherPath, kWatcher, QStringLiteral("RegisterStatusNotifierItem"));
    // By its path: the watcher takes the caller's own name with it. An item
    // known by a name of its own is followed by that name's comings and
    // goings too, and GNOME's extension then sometimes drops it at once.
    call << kItemPath;
    call.setAutoStartService(false);
    bus.call(call, QDBus::NoBlock);
    registeredWith = owner;
    qCDebug(lcTray) << "registered the item with the watcher" << owner;
}

StatusNotifier::StatusNotifier(QMenu& menu, Events events)
    : m_item(std::make_unique<Item>(menu, std::move(events))) {}

StatusNotifier::~StatusNotifier() {
    SetShown(false);
}

bool StatusNotifier::HostPresent() const {
    return m_item->hostPresent;
}

void StatusNotifier::SetShown(bool shown) {
    Item& item = *m_item;
    if (shown == item.shown) {
        return;
    }
    item.shown = shown;
    if (!shown) {
        // The watcher and its hosts forget an item whose object goes.
        item.bus.unregisterObject(kMenuPath);
        item.bus.unregisterObject(kItemPath);
        item.registeredWith.clear();
        return;
    }
    const auto all = QDBusConnection::ExportAllContents;
    if (!item.bus.registerObject(kItemPath, &item.item, all) ||
        !item.bus.registerObject(kMenuPath, &item.menuExport, all)) {
        qCWarning(lcTray).noquote() << "The tray icon could not be offered on the session bus:"
                                    << item.bus.lastError().message();
        return;
    }
    item.Register();
}

#include "StatusNotifier.moc"
