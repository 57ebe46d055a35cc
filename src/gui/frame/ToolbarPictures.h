#pragma once

class QColor;
class QPainter;

// The drawn pictures of the toolbar commands, on a 32x30 canvas: ink for the
// lines, paper where one shape covers another.
using ToolbarPicture = void (*)(QPainter& p, const QColor& ink, const QColor& paper);

void DrawSettingsPicture(QPainter& p, const QColor& ink, const QColor& paper);
void DrawSavePicture(QPainter& p, const QColor& ink, const QColor& paper);
void DrawCutPicture(QPainter& p, const QColor& ink, const QColor& paper);
void DrawCopyPicture(QPainter& p, const QColor& ink, const QColor& paper);
void DrawPastePicture(QPainter& p, const QColor& ink, const QColor& paper);
void DrawTransparencePicture(QPainter& p, const QColor& ink, const QColor& paper);
void DrawFindPicture(QPainter& p, const QColor& ink, const QColor& paper);
