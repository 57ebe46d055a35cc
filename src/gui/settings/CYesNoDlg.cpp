#include "settings/CYesNoDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CYesNoDlg::CYesNoDlg(const QString& caption, const QString& question, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* text = new QLabel(question);
    text->setObjectName(QStringLiteral("questionLabel"));
    auto* yes = new QPushButton(QStringLiteral("Yes"));
    yes->setObjectName(QStringLiteral("yesButton"));
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("No"));
    no->setObjectName(QStringLiteral("noButton"));
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

bool CYesNoDlg::AskYes() {
    return exec() == QDialog::Accepted;
}
