#include "gui/common/CConfirmDeleteDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CConfirmDeleteDlg::CConfirmDeleteDlg(QWidget* parent, const QString& objectName,
                                     const QString& caption, const QString& question,
                                     int questionWidth)
    : TemplateDialog(parent, objectName, caption, 144, 42) {
    AddIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    QPushButton* yes = AddButton(QStringLiteral("yesButton"), tr("Yes"), 24, 25, true);
    AddButton(QStringLiteral("noButton"), tr("No"), 87, 25, false);
    AddLabel(question, 30, 9, questionWidth, 8)->setObjectName(QStringLiteral("questionLabel"));
    yes->setFocus();
}
