#pragma once

#include "gui/common/TemplateDialog.h"

class QLineEdit;
class CommentEdit;

// The add and edit link dialogs: an address box and a comment box. OK copies
// the boxes into the fields; Cancel and Escape leave the fields as they were.
class CLinkFieldsDlg : public TemplateDialog {
    Q_OBJECT
public:
    QString m_address;
    QString m_comment;

    int exec() override;

protected:
    CLinkFieldsDlg(QWidget* parent, const QString& objectName, const QString& caption, int width,
                   int editX, const QIcon& icon);

private:
    QLineEdit* m_addressEdit;
    CommentEdit* m_commentEdit;
};

class CAddLinkDlg : public CLinkFieldsDlg {
    Q_OBJECT
public:
    explicit CAddLinkDlg(QWidget* parent = nullptr);
};

class CEditLinkDlg : public CLinkFieldsDlg {
    Q_OBJECT
public:
    explicit CEditLinkDlg(QWidget* parent = nullptr);
};
