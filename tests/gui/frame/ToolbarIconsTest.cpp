#include "gui/frame/ToolbarIcons.h"
#include "core/frame/CommandTable.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// The drawn pictures (the transparency button has no other) stand out from a
// light toolbar and from a dark one.
TEST(ToolbarIcons, DrawnPicturesStandOutOnLightAndDarkToolbars) {
    const QPalette before = QApplication::palette();
    for (const QColor& toolbar : {QColor(239, 239, 239), QColor(53, 53, 53)}) {
        QPalette palette = before;
        palette.setColor(QPalette::Window, toolbar);
        QApplication::setPalette(palette);
        const QImage picture =
            DrawnToolbarIcon(quill::kTransparenceCommand).pixmap(32, 30).toImage();
        int contrast = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                if (pixel.alpha() == 255) {
                    contrast =
                        std::max(contrast, std::abs(pixel.lightness() - toolbar.lightness()));
                }
            }
        }
        EXPECT_GT(contrast, 100) << toolbar.name().toStdString();
    }
    QApplication::setPalette(before);
}

} // namespace
