// The tray icon as a status notifier host (Plasma, Xfce, GNOME's AppIndicator)
// sees it: this process plays watcher and host, the real program the item.
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

class FakeWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
public:
    bool HostRegistered() const { return true; }
    QStringList items; // "service/path" of each registration
    int menuUpdates = 0;
public slots:
    void RegisterStatusNotifierItem(const QString& serviceOrPath) {
        items << (serviceOrPath.startsWith('/') ? message().service() + serviceOrPath
                                                : serviceOrPath + "/StatusNotifierItem");
    }
    void MenuPropertiesUpdated() { ++menuUpdates; }
};

// One entry of a com.canonical.dbusmenu layout, (ia{sv}av), with its children.
struct MenuEntry {
    int id = 0;
    QVariantMap properties;
    std::vector<MenuEntry> children;

    // The label without its mnemonic marker ("E_xit": "Exit").
    QString Label() const { return properties.value("label").toString().remove('_'); }
    const MenuEntry& Find(const QString& label) const {
        static const MenuEntry none;
        auto it = std::find_if(children.begin(), children.end(),
                               [&](const MenuEntry& child) { return child.Label() == label; });
        return it != children.end() ? *it : none;
    }
    bool Checked(const QString& label) const {
        return Find(label).properties.value("toggle-state").toInt() == 1;
    }
};

MenuEntry ReadEntry(const QDBusArgument& argument) {
    MenuEntry entry;
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        entry.children.push_back(ReadEntry(child.variant().value<QDBusArgument>()));
    }
    argument.endArray();
    argument.endStructure();
    return entry;
}

// The layout as a host reads it when the user opens the menu.
MenuEntry OpenMenu(QDBusInterface& menu) {
    menu.call("AboutToShowGroup", QVariant::fromValue(QList<int>{0})); // as Xfce asks
    const QDBusMessage reply = menu.call("GetLayout", 0, -1, QStringList());
    if (reply.arguments().size() != 2) {
        ADD_FAILURE() << reply.errorMessage().toStdString();
        return {};
    }
    return ReadEntry(reply.arguments()[1].value<QDBusArgument>());
}

// Names on the bus that Qt's own status notifier items take.
int QtItemsOnTheBus(QDBusConnection& bus) {
    const QStringList names = bus.interface()->registeredServiceNames();
    return int(std::count_if(names.begin(), names.end(), [](const QString& name) {
        return name.startsWith("org.kde.StatusNotifierItem-");
    }));
}

// A watcher that starts after the program (whose icon is then embedded in
// the desktop's tray) gets one item, with its menu of every tray command; a
// restarted watcher gets it again. Check marks follow the window, a left
// click (Activate) hides and shows it, and the menu's items act.
TEST(StatusNotifier, TheItemRegistersWithAWatcherComingLaterWithItsMenuAndActivateToggles) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeWatcher watcher;
    ASSERT_TRUE(
        bus.registerObject("/StatusNotifierWatcher", &watcher, QDBusConnection::ExportAllContents));
    RunFolder run;
    QProcess program;
    program.setWorkingDirectory(run.Path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(QUILLMARK_PROGRAM), {"--verbose"});
    QByteArray output;
    ASSERT_TRUE(WaitUntil(
        [&] { return (output += program.readAll()).contains("tray icon: embedded icon"); }, 30000))
        << output.toStdString();
    for (int start = 0; start < 2; ++start) { // the watcher starts, then restarts
        watcher.items.clear();
        bus.unregisterService("org.kde.StatusNotifierWatcher");
        ASSERT_TRUE(bus.registerService("org.kde.StatusNotifierWatcher"));
        ASSERT_TRUE(WaitUntil([&] { return !watcher.items.isEmpty(); }));
    }
    const QString service = watcher.items.first().section('/', 0, 0);
    QDBusInterface item(service, "/" + watcher.items.first().section('/', 1),
                        "org.kde.StatusNotifierItem", bus);
    const QString menuPath = item.property("Menu").value<QDBusObjectPath>().path();
    ASSERT_FALSE(menuPath.isEmpty() || menuPath == "/NO_DBUSMENU") << menuPath.toStdString();
    EXPECT_FALSE(item.property("ItemIsMenu").toBool()); // a left click is the program's

    QDBusInterface menu(service, menuPath, "com.canonical.dbusmenu", bus);
    // Hosts that keep a shown menu's items (GNOME's) learn new check marks from here.
    bus.connect(service, menuPath, "com.canonical.dbusmenu", "ItemsPropertiesUpdated", &watcher,
                SLOT(MenuPropertiesUpdated()));
    const MenuEntry top = OpenMenu(menu);
    QStringList labels;
    for (const MenuEntry& entry : top.children) {
        labels << entry.Label();
    }
    EXPECT_EQ(labels, QStringList({"Settings", "Set transparence", "", "Show window", "Hide window",
                                   "Start at login", "", "About Quillmark...", "Exit"}));
    const MenuEntry& levels = top.Find("Set transparence");
    EXPECT_EQ(levels.properties.value("children-display").toString(), "submenu");
    EXPECT_TRUE(levels.children.size() == 5 && levels.Checked("80%"));
    EXPECT_TRUE(top.Checked("Show window"));

    item.call("Activate", 0, 0); // hides
    EXPECT_TRUE(WaitUntil([&] { return OpenMenu(menu).Checked("Hide window"); }));
    item.call("Activate", 0, 0); // shows
    EXPECT_TRUE(WaitUntil([&] { return OpenMenu(menu).Checked("Show window"); }));
    EXPECT_TRUE(WaitUntil([&] { return watcher.menuUpdates >= 2; }));
    EXPECT_EQ(watcher.items.size(), 1); // never a second item beside this one
    EXPECT_EQ(QtItemsOnTheBus(bus), 0);
    menu.call("Event", top.Find("Exit").id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u);
    EXPECT_TRUE(WaitUntil([&] { return program.state() == QProcess::NotRunning; }, 30000));
    output += program.readAll(); // QtDBus skips what it cannot send, saying so
    EXPECT_FALSE(output.contains("Skipped method") || output.contains("Cannot relay"));
    program.kill();
    program.waitForFinished();
}

} // namespace

#include "StatusNotifierTest.moc"
