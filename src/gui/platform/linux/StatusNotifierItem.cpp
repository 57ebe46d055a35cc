#include "gui/platform/linux/StatusNotifierItem.h"

#include "gui/platform/linux/DBusStructure.h"

#include <QApplication>
#include <QDBusMetaType>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QtEndian>

QDBusArgument& operator<<(QDBusArgument& argument, const SniIconPixmap& pixmap) {
    return WriteDBusStructure(argument, pixmap.width, pixmap.height, pixmap.pixels);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SniIconPixmap& pixmap) {
    return ReadDBusStructure(argument, pixmap.width, pixmap.height, pixmap.pixels);
}

QDBusArgument& operator<<(QDBusArgument& argument, const SniToolTip& tip) {
    return WriteDBusStructure(argument, tip.iconName, tip.icon, tip.title, tip.text);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SniToolTip& tip) {
    return ReadDBusStructure(argument, tip.iconName, tip.icon, tip.title, tip.text);
}

namespace {

// The window icon in the sizes panels draw tray icons at.
SniIconPixmaps PixmapsOf(const QIcon& icon) {
    SniIconPixmaps pixmaps;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QImage image = icon.pixmap(size, size).toImage();
        if (image.isNull()) {
            continue;
        }
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32);
        SniIconPixmap pixmap{image.width(), image.height(), {}};
        pixmap.pixels.resize(static_cast<qsizetype>(image.width()) * image.height() * 4);
        auto* out = reinterpret_cast<uchar*>(pixmap.pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, out += 4) {
                qToBigEndian(line[x], out);
            }
        }
        pixmaps << pixmap;
    }
    return pixmaps;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QMenu& menu, const QString& menuPath,
                                       std::function<void()> activated)
    : m_menu(menu), m_menuPath(menuPath), m_activated(std::move(activated)),
      m_icon(PixmapsOf(QApplication::windowIcon())) {
    // The installed icon scales best; the pixels serve where it is not installed.
    const QString themed = QCoreApplication::applicationName().toLower();
    if (QIcon::hasThemeIcon(themed)) {
        m_iconName = themed;
    }
}

void StatusNotifierItem::RegisterTypes() {
    qDBusRegisterMetaType<SniIconPixmap>();
    qDBusRegisterMetaType<SniIconPixmaps>();
    qDBusRegisterMetaType<SniToolTip>();
}

QString StatusNotifierItem::Id() const {
    return QCoreApplication::applicationName().toLower();
}

QString StatusNotifierItem::Title() const {
    return QGuiApplication::applicationDisplayName();
}

void StatusNotifierItem::Activate(int, int) {
    m_activated();
}

// A middle click shows or hides the window as a left click does: the item
// has no other action to offer.
void StatusNotifierItem::SecondaryActivate(int, int) {
    m_activated();
}

// A host that shows no menus itself asks the item to.
void StatusNotifierItem::ContextMenu(int x, int y) {
    m_menu.popup(QPoint(x, y));
}

void StatusNotifierItem::Scroll(int, const QString&) {}
