#include "gui/frame/ToolbarPictures.h"

#include <QPainter>

void DrawSettingsPicture(QPainter& p, const QColor&, const QColor&) {
    p.drawEllipse(QPointF(16, 15), 8, 8);
    p.drawEllipse(QPointF(16, 15), 3, 3);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(16, 15);
        p.rotate(45 * i);
        p.drawLine(QPointF(0, -9), QPointF(0, -13));
        p.restore();
    }
}

void DrawSavePicture(QPainter& p, const QColor& ink, const QColor&) {
    p.drawRect(QRectF(5, 4, 22, 22));
    p.fillRect(QRectF(10, 4, 12, 8), ink);
    p.drawRect(QRectF(9, 16, 14, 10));
}

void DrawCutPicture(QPainter& p, const QColor&, const QColor&) {
    p.drawEllipse(QPointF(10, 23), 4, 4);
    p.drawEllipse(QPointF(22, 23), 4, 4);
    p.drawLine(QPointF(12, 20), QPointF(22, 3));
    p.drawLine(QPointF(20, 20), QPointF(10, 3));
}

void DrawCopyPicture(QPainter& p, const QColor&, const QColor& paper) {
    p.drawRect(QRectF(4, 3, 15, 18));
    p.fillRect(QRectF(13, 9, 15, 18), paper);
    p.drawRect(QRectF(13, 9, 15, 18));
}

void DrawPastePicture(QPainter& p, const QColor& ink, const QColor& paper) {
    p.drawRect(QRectF(5, 5, 20, 22));
    p.fillRect(QRectF(11, 2, 8, 6), ink);
    p.fillRect(QRectF(14, 13, 14, 15), paper);
    p.drawRect(QRectF(14, 13, 14, 15));
}

void DrawTransparencePicture(QPainter& p, const QColor& ink, const QColor&) {
    p.setBrush(ink);
    p.drawRect(QRectF(4, 4, 14, 14));
    p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 90));
    p.drawRect(QRectF(13, 12, 15, 15));
}

void DrawFindPicture(QPainter& p, const QColor&, const QColor&) {
    p.drawEllipse(QPointF(13, 12), 7, 7);
    p.drawLine(QPointF(18, 17), QPointF(27, 26));
}
