#include "gui/common/TemplateDialog.h"

#include <QLabel>
#include <QPushButton>

TemplateDialog::TemplateDialog(QWidget* parent, const QString& objectName, const QString& caption,
                               int width, int height)
    : QDialog(parent), m_units(font()) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(m_units.Size(width, height));
}

QLabel* TemplateDialog::AddIcon(const QIcon& icon) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("dialogIcon"));
    label->setPixmap(icon.pixmap(m_units.Size(20, 20).boundedTo(QSize(32, 32))));
    label->setAlignment(Qt::AlignCenter);
    return Place(label, 1, 4, 20, 20);
}

QLabel* TemplateDialog::AddLabel(const QString& text, int x, int y, int width, int height) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    Place(label, x, y, width, height);
    if (label->sizeHint().width() > label->width()) {
        label->resize(label->sizeHint().width(), label->height());
    }
    return label;
}

QPushButton* TemplateDialog::AddButton(const QString& objectName, const QString& text, int x, int y,
                                       bool isDefault) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setDefault(isDefault);
    Place(button, x, y, 50, 14);
    connect(button, &QPushButton::clicked, this, isDefault ? &QDialog::accept : &QDialog::reject);
    return button;
}
