// The program's tray icon as a status notifier host sees it (KDE Plasma,
// Xfce's tray plugin, GNOME's AppIndicator extension): this process plays the
// watcher and the host on the session bus, the real program the item.
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

class FakeWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)
public:
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }
    QStringList Items() const { return items; }

    QStringList items; // "service" as the item gave it
public slots:
    void RegisterStatusNotifierItem(const QString& service) { items << service; }
    void RegisterStatusNotifierHost(const QString&) {}
};

// One entry of a com.canonical.dbusmenu layout, (ia{sv}av), with its children.
struct MenuEntry {
    int id = 0;
    QVariantMap properties;
    std::vector<MenuEntry> children;

    // The label without its mnemonic marker ("E_xit": "Exit").
    QString Label() const { return properties.value("label").toString().remove('_'); }
    const MenuEntry* Find(const QString& label) const {
        for (const MenuEntry& child : children) {
            if (child.Label() == label) {
                return &child;
            }
        }
        return nullptr;
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

struct StatusNotifierTest : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(bus.registerObject("/StatusNotifierWatcher", &watcher,
                                       QDBusConnection::ExportAllContents));
        ASSERT_TRUE(bus.registerService("org.kde.StatusNotifierWatcher"));
        program.setWorkingDirectory(run.Path());
        program.start(QStringLiteral(QUILLMARK_PROGRAM), {});
    }
    void TearDown() override {
        bus.unregisterService("org.kde.StatusNotifierWatcher");
        bus.unregisterObject("/StatusNotifierWatcher");
        program.kill();
        program.waitForFinished();
    }

    // The layout as a host reads it when the user opens the menu.
    MenuEntry OpenMenu(QDBusInterface& menu) {
        menu.call("AboutToShow", 0);
        const QDBusMessage reply = menu.call("GetLayout", 0, -1, QStringList());
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
            ADD_FAILURE() << reply.errorMessage().toStdString();
            return {};
        }
        return ReadEntry(reply.arguments()[1].value<QDBusArgument>());
    }
    static bool Checked(const MenuEntry& menu, const QString& label) {
        const MenuEntry* entry = menu.Find(label);
        return entry != nullptr && entry->properties.value("toggle-state").toInt() == 1;
    }

    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeWatcher watcher;
    RunFolder run;
    QProcess program;
};

// The item registers and exports its menu with every tray command; the
// menu's items act, their check marks follow the window, and a left click
// (Activate) hides and shows the window.
TEST_F(StatusNotifierTest, TheItemRegistersWithItsMenuAndActivateToggles) {
    ASSERT_TRUE(WaitUntil([&] { return !watcher.items.isEmpty(); }, 30000));
    const QString service = watcher.items.first().section('/', 0, 0);
    QDBusInterface item(service, "/StatusNotifierItem", "org.kde.StatusNotifierItem", bus);
    const QString menuPath = item.property("Menu").value<QDBusObjectPath>().path();
    ASSERT_FALSE(menuPath.isEmpty() || menuPath == "/NO_DBUSMENU") << menuPath.toStdString();
    EXPECT_FALSE(item.property("ItemIsMenu").toBool()); // a left click is the program's

    QDBusInterface menu(service, menuPath, "com.canonical.dbusmenu", bus);
    MenuEntry top = OpenMenu(menu);
    QStringList labels;
    for (const MenuEntry& entry : top.children) {
        labels << entry.Label();
    }
    EXPECT_EQ(labels, QStringList({"Settings", "Set transparence", "", "Show window", "Hide window",
                                   "Start at login", "", "About Quillmark...", "Exit"}));
    const MenuEntry* levels = top.Find("Set transparence");
    ASSERT_NE(levels, nullptr);
    ASSERT_EQ(levels->children.size(), 5u);
    EXPECT_EQ(levels->children[4].Label(), "80%");
    EXPECT_EQ(levels->properties.value("children-display").toString(), "submenu");
    EXPECT_TRUE(Checked(top, "Show window"));

    item.call("Activate", 0, 0); // hides
    EXPECT_TRUE(WaitUntil([&] { return Checked(OpenMenu(menu), "Hide window"); }));
    item.call("Activate", 0, 0); // shows
    EXPECT_TRUE(WaitUntil([&] { return Checked(OpenMenu(menu), "Show window"); }));

    const MenuEntry* hide = top.Find("Hide window");
    menu.call("Event", hide->id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u);
    EXPECT_TRUE(WaitUntil([&] { return Checked(OpenMenu(menu), "Hide window"); }));
    const MenuEntry* exit = top.Find("Exit");
    menu.call("Event", exit->id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u);
    EXPECT_TRUE(WaitUntil([&] { return program.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace

#include "StatusNotifierTest.moc"
