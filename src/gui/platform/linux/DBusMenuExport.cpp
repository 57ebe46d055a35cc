#include "gui/platform/linux/DBusMenuExport.h"

#include "gui/platform/linux/DBusStructure.h"

#include <QAction>
#include <QActionGroup>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayoutItem& child : item.children) {
        argument << QDBusVariant(QVariant::fromValue(child));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.beginArray();
    item.children.clear();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children << qdbus_cast<DBusMenuLayoutItem>(child.variant());
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemProperties& item) {
    return WriteDBusStructure(argument, item.id, item.properties);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemProperties& item) {
    return ReadDBusStructure(argument, item.id, item.properties);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& item) {
    return WriteDBusStructure(argument, item.id, item.names);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& item) {
    return ReadDBusStructure(argument, item.id, item.names);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event) {
    return WriteDBusStructure(argument, event.id, event.eventId, event.data, event.timestamp);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event) {
    return ReadDBusStructure(argument, event.id, event.eventId, event.data, event.timestamp);
}

namespace {

QVariant ToVariant(const quill::StatusMenuValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return QString::fromStdString(*text);
    }
    if (const auto* number = std::get_if<int>(&value)) {
        return *number;
    }
    return std::get<bool>(value);
}

} // namespace

DBusMenuExport::DBusMenuExport(QMenu& menu, QObject* parent)
    : QObject(parent), m_menu(menu), m_changed(new QTimer(this)) {
    // A check mark set by a click (a transparency level, "Start at login")
    // changes several actions at once: one announcement for them all.
    m_changed->setSingleShot(true);
    m_changed->setInterval(0);
    connect(m_changed, &QTimer::timeout, this, &DBusMenuExport::Read);
    WatchActions(m_menu);
    Read();
}

void DBusMenuExport::RegisterTypes() {
    // The signal's relay looks its argument types up by the names written.
    qRegisterMetaType<DBusMenuItemPropertiesList>("DBusMenuItemPropertiesList");
    qRegisterMetaType<DBusMenuItemKeysList>("DBusMenuItemKeysList");
    qRegisterMetaType<DBusMenuEventList>("DBusMenuEventList");
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItemProperties>();
    qDBusRegisterMetaType<DBusMenuItemPropertiesList>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<DBusMenuItemKeysList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
}

void DBusMenuExport::WatchActions(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        connect(action, &QAction::changed, m_changed, qOverload<>(&QTimer::start));
        if (action->menu() != nullptr) {
            WatchActions(*action->menu());
        }
    }
}

QString DBusMenuExport::TextDirection() const {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

quill::StatusMenuEntry DBusMenuExport::ReadMenu(QMenu& menu) {
    quill::StatusMenuEntry entry;
    for (QAction* action : menu.actions()) {
        // Numbered as the layout numbers entries: each before its submenu's.
        m_actions.push_back(action);
        quill::StatusMenuEntry child;
        if (action->menu() != nullptr) {
            child = ReadMenu(*action->menu());
        }
        child.text = action->text().toStdString();
        child.separator = action->isSeparator();
        child.enabled = action->isEnabled();
        child.visible = action->isVisible();
        if (action->isCheckable()) {
            const bool radio =
                action->actionGroup() != nullptr &&
                action->actionGroup()->exclusionPolicy() != QActionGroup::ExclusionPolicy::None;
            child.toggle = radio ? quill::StatusMenuEntry::Toggle::Radio
                                 : quill::StatusMenuEntry::Toggle::CheckMark;
            child.checked = action->isChecked();
        }
        entry.children.push_back(std::move(child));
    }
    return entry;
}

bool DBusMenuExport::Read() {
    m_actions.assign(1, nullptr);
    if (!m_layout.Update(ReadMenu(m_menu))) {
        return false;
    }
    if (!m_layout.ChangedIds().empty()) {
        DBusMenuItemPropertiesList changed;
        for (int id : m_layout.ChangedIds()) {
            QVariantMap properties;
            for (const auto& [name, value] :
                 quill::StatusMenuProperties(*m_layout.Entry(id), true)) {
                properties.insert(QString::fromStdString(name), ToVariant(value));
            }
            changed << DBusMenuItemProperties{id, properties};
        }
        emit ItemsPropertiesUpdated(changed, {});
    }
    emit LayoutUpdated(m_layout.Revision(), 0);
    return true;
}

QVariantMap DBusMenuExport::Properties(int id, const QStringList& names) const {
    QVariantMap properties;
    if (const quill::StatusMenuEntry* entry = m_layout.Entry(id)) {
        for (const auto& [name, value] : quill::StatusMenuProperties(*entry)) {
            const QString key = QString::fromStdString(name);
            if (names.isEmpty() || names.contains(key)) {
                properties.insert(key, ToVariant(value));
            }
        }
    }
    return properties;
}

DBusMenuLayoutItem DBusMenuExport::Layout(int id, int depth, const QStringList& names) const {
    DBusMenuLayoutItem item{id, Properties(id, names), {}};
    if (depth != 0) {
        for (int child : m_layout.ChildIds(id)) {
            item.children << Layout(child, depth - 1, names);
        }
    }
    return item;
}

uint DBusMenuExport::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                               DBusMenuLayoutItem& layout) {
    layout = Layout(parentId, recursionDepth, propertyNames);
    return m_layout.Revision();
}

DBusMenuItemPropertiesList DBusMenuExport::GetGroupProperties(const QList<int>& ids,
                                                              const QStringList& propertyNames) {
    DBusMenuItemPropertiesList list;
    for (int id : ids) {
        if (m_layout.Entry(id) != nullptr) {
            list << DBusMenuItemProperties{id, Properties(id, propertyNames)};
        }
    }
    return list;
}

QDBusVariant DBusMenuExport::GetProperty(int id, const QString& name) {
    return QDBusVariant(Properties(id, {name}).value(name));
}

void DBusMenuExport::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (eventId != QLatin1String("clicked") || id <= 0 ||
        id >= static_cast<int>(m_actions.size())) {
        return;
    }
    // After the host's call is answered: the command may open a dialog.
    QMetaObject::invokeMethod(m_actions[static_cast<std::size_t>(id)], &QAction::trigger,
                              Qt::QueuedConnection);
}

bool DBusMenuExport::AboutToShow(int id) {
    QMenu* menu = &m_menu;
    if (id > 0 && id < static_cast<int>(m_actions.size())) {
        menu = m_actions[static_cast<std::size_t>(id)]->menu();
    }
    if (menu == nullptr) {
        return false;
    }
    // Sets the check marks and enabled states, as before the menu pops up.
    emit menu->aboutToShow();
    m_changed->stop();
    return Read();
}

QList<int> DBusMenuExport::EventGroup(const DBusMenuEventList& events) {
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (m_layout.Entry(event.id) == nullptr) {
            unknown << event.id;
        }
        Event(event.id, event.eventId, event.data, event.timestamp);
    }
    return unknown;
}

QList<int> DBusMenuExport::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    QList<int> updated;
    for (int id : ids) {
        if (m_layout.Entry(id) == nullptr) {
            idErrors << id;
        } else if (AboutToShow(id)) {
            updated << id;
        }
    }
    return updated;
}
