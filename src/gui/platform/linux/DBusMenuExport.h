#pragma once

#include "core/frame/StatusMenuLayout.h"

#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

class QAction;
class QDBusArgument;
class QMenu;
class QTimer;

// An entry and its children as the dbusmenu protocol sends a layout, (ia{sv}av).
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};
// An entry's properties alone, (ia{sv}).
struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemPropertiesList = QList<DBusMenuItemProperties>;
// Names of an entry's properties gone back to their default, (ias).
struct DBusMenuItemKeys {
    int id = 0;
    QStringList names;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;
// One event of a group, (isvu).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

// The tray menu over com.canonical.dbusmenu, as a status notifier host reads
// and shows it: the host asks for the layout, and a chosen entry comes back as
// a "clicked" event that triggers its action. Check marks and enabled states
// are those the menu's aboutToShow sets; any change to them is announced.
class DBusMenuExport : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ Version)
    Q_PROPERTY(QString TextDirection READ TextDirection)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QStringList IconThemePath READ IconThemePath)

public:
    DBusMenuExport(QMenu& menu, QObject* parent);
    static void RegisterTypes();

    uint Version() const { return 3; }
    QString TextDirection() const;
    QString Status() const { return QStringLiteral("normal"); }
    QStringList IconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout);
    DBusMenuItemPropertiesList GetGroupProperties(const QList<int>& ids,
                                                  const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    bool AboutToShow(int id);
    // Xfce's panel sends these alone.
    QList<int> EventGroup(const DBusMenuEventList& events);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    void LayoutUpdated(uint revision, int parent);
    // Hosts that keep a shown menu's items (GNOME's) read their states from here alone.
    void ItemsPropertiesUpdated(const DBusMenuItemPropertiesList& updated,
                                const DBusMenuItemKeysList& removed);

private:
    // Reads the menu again; true (and announced) when a host would see a change.
    bool Read();
    quill::StatusMenuEntry ReadMenu(QMenu& menu);
    QVariantMap Properties(int id, const QStringList& names) const;
    DBusMenuLayoutItem Layout(int id, int depth, const QStringList& names) const;
    void WatchActions(QMenu& menu);

    QMenu& m_menu;
    quill::StatusMenuLayout m_layout;
    std::vector<QAction*> m_actions; // by entry number; none for the menu itself
    QTimer* m_changed;
};
