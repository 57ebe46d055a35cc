#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Converts dialog-template units into pixels through the dialog font's metrics:
// a horizontal unit is a quarter of the average character width, a vertical
// unit an eighth of the character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    double m_baseWidth = 0;
    double m_baseHeight = 0;
};
