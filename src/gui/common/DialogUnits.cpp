#include "gui/common/DialogUnits.h"

#include <QFontMetricsF>
#include <cmath>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    static const QString kSample =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseWidth = metrics.horizontalAdvance(kSample) / kSample.size();
    m_baseHeight = metrics.height();
}

int DialogUnits::X(int units) const {
    return static_cast<int>(std::lround(units * m_baseWidth / 4.0));
}

int DialogUnits::Y(int units) const {
    return static_cast<int>(std::lround(units * m_baseHeight / 8.0));
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}
