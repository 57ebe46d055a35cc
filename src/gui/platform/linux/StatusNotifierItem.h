#pragma once

#include <QByteArray>
#include <QDBusObjectPath>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QDBusArgument;
class QMenu;

// One size of the icon as status notifier hosts take it, (iiay): ARGB32
// pixels in network byte order.
struct SniIconPixmap {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using SniIconPixmaps = QList<SniIconPixmap>;
// The item's tool tip, (sa(iiay)ss): icon name, icon, title, text.
struct SniToolTip {
    QString iconName;
    SniIconPixmaps icon;
    QString title;
    QString text;
};

QDBusArgument& operator<<(QDBusArgument& argument, const SniIconPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, SniIconPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const SniToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& argument, SniToolTip& tip);

// The org.kde.StatusNotifierItem object a host reads: the program's icon,
// title and menu. A left click (and a middle click) is the program's to
// answer; the menu is the host's to show, or the item pops it up itself
// when the host asks it to.
class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(int WindowId READ WindowId)
    Q_PROPERTY(QString IconThemePath READ NoName)
    Q_PROPERTY(QString IconName READ IconName)
    Q_PROPERTY(SniIconPixmaps IconPixmap READ Icon)
    Q_PROPERTY(QString OverlayIconName READ NoName)
    Q_PROPERTY(SniIconPixmaps OverlayIconPixmap READ NoIcon)
    Q_PROPERTY(QString AttentionIconName READ NoName)
    Q_PROPERTY(SniIconPixmaps AttentionIconPixmap READ NoIcon)
    Q_PROPERTY(QString AttentionMovieName READ NoName)
    Q_PROPERTY(SniToolTip ToolTip READ Tip)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ MenuPath)

public:
    StatusNotifierItem(QMenu& menu, const QString& menuPath, std::function<void()> activated);
    static void RegisterTypes();

    QString Category() const { return QStringLiteral("ApplicationStatus"); }
    QString Id() const;
    QString Title() const;
    QString Status() const { return QStringLiteral("Active"); }
    int WindowId() const { return 0; }
    QString IconName() const { return m_iconName; }
    SniIconPixmaps Icon() const { return m_icon; }
    SniToolTip Tip() const { return {m_iconName, m_icon, Title(), {}}; }
    bool ItemIsMenu() const { return false; }
    QDBusObjectPath MenuPath() const { return m_menuPath; }
    QString NoName() const { return {}; }
    SniIconPixmaps NoIcon() const { return {}; }

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    QMenu& m_menu;
    QDBusObjectPath m_menuPath;
    std::function<void()> m_activated;
    QString m_iconName;
    SniIconPixmaps m_icon;
};
