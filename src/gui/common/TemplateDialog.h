#pragma once

#include "gui/common/DialogUnits.h"

#include <QDialog>

class QLabel;
class QPushButton;

// A small fixed-size dialog laid out like its template: positions and sizes in
// dialog units of its own font, an icon at the top left, a default button and
// a cancel button.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(QWidget* parent, const QString& objectName, const QString& caption, int width,
                   int height);

protected:
    const DialogUnits& Units() const { return m_units; }
    QLabel* AddIcon(const QIcon& icon);
    // A label at its template place; widened when the font needs more room.
    QLabel* AddLabel(const QString& text, int x, int y, int width, int height);
    // The default button confirms, the other one cancels (as Escape does).
    QPushButton* AddButton(const QString& objectName, const QString& text, int x, int y,
                           bool isDefault);
    template <typename Widget> Widget* Place(Widget* widget, int x, int y, int width, int height) {
        widget->setGeometry(m_units.Rect(x, y, width, height));
        return widget;
    }

private:
    DialogUnits m_units;
};
