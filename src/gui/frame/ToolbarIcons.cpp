#include "gui/frame/ToolbarIcons.h"

#include "gui/frame/CommandLook.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

// Dark blue on a light toolbar, light blue on a dark one: visible on both.
QColor Ink(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(150, 180, 235)
                                                             : QColor(40, 60, 110);
}

QPixmap Drawn(int commandId) {
    const QPalette palette = QGuiApplication::palette();
    const QColor ink = Ink(palette);
    QPixmap pixmap(32, 30);
    pixmap.fill(Qt::transparent);
    if (ToolbarPicture picture = LookOf(commandId).picture) {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(ink, 2.5));
        picture(p, ink, palette.color(QPalette::Base));
    }
    return pixmap;
}

} // namespace

QIcon ToolbarIcon(int commandId) {
    return QIcon::fromTheme(QLatin1String(LookOf(commandId).themeIcon),
                            DrawnToolbarIcon(commandId));
}

QIcon DrawnToolbarIcon(int commandId) {
    return QIcon(Drawn(commandId));
}
