#include "frame/ToolbarIcons.h"

#include "frame/CommandTable.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
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
    const QColor paper = palette.color(QPalette::Base);
    QPixmap pixmap(32, 30);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2.5));
    switch (commandId) {
    case quill::kSettingsCommand:
        p.drawEllipse(QPointF(16, 15), 8, 8);
        p.drawEllipse(QPointF(16, 15), 3, 3);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 15);
            p.rotate(45 * i);
            p.drawLine(QPointF(0, -9), QPointF(0, -13));
            p.restore();
        }
        break;
    case quill::kSaveNoteCommand:
        p.drawRect(QRectF(5, 4, 22, 22));
        p.fillRect(QRectF(10, 4, 12, 8), ink);
        p.drawRect(QRectF(9, 16, 14, 10));
        break;
    case quill::kCutCommand:
        p.drawEllipse(QPointF(10, 23), 4, 4);
        p.drawEllipse(QPointF(22, 23), 4, 4);
        p.drawLine(QPointF(12, 20), QPointF(22, 3));
        p.drawLine(QPointF(20, 20), QPointF(10, 3));
        break;
    case quill::kCopyCommand:
        p.drawRect(QRectF(4, 3, 15, 18));
        p.fillRect(QRectF(13, 9, 15, 18), paper);
        p.drawRect(QRectF(13, 9, 15, 18));
        break;
    case quill::kPasteCommand:
        p.drawRect(QRectF(5, 5, 20, 22));
        p.fillRect(QRectF(11, 2, 8, 6), ink);
        p.fillRect(QRectF(14, 13, 14, 15), paper);
        p.drawRect(QRectF(14, 13, 14, 15));
        break;
    case quill::kTransparenceCommand:
        p.setBrush(ink);
        p.drawRect(QRectF(4, 4, 14, 14));
        p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 90));
        p.drawRect(QRectF(13, 12, 15, 15));
        break;
    case quill::kFindCommand:
        p.drawEllipse(QPointF(13, 12), 7, 7);
        p.drawLine(QPointF(18, 17), QPointF(27, 26));
        break;
    default:
        break;
    }
    return pixmap;
}

const char* ThemeName(int commandId) {
    switch (commandId) {
    case quill::kSaveNoteCommand:
        return "document-save";
    case quill::kCutCommand:
        return "edit-cut";
    case quill::kCopyCommand:
        return "edit-copy";
    case quill::kPasteCommand:
        return "edit-paste";
    case quill::kSettingsCommand:
        return "preferences-system";
    case quill::kFindCommand:
        return "edit-find";
    default:
        return "";
    }
}

} // namespace

QIcon ToolbarIcon(int commandId) {
    return QIcon::fromTheme(QLatin1String(ThemeName(commandId)), DrawnToolbarIcon(commandId));
}

QIcon DrawnToolbarIcon(int commandId) {
    return QIcon(Drawn(commandId));
}
