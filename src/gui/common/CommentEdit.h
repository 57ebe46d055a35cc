#pragma once

#include <QPlainTextEdit>

// A dialog's comment box: Enter confirms the dialog, as in its one-line boxes,
// and Ctrl+Enter types a line break. Tab moves on to the next control.
class CommentEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CommentEdit(QWidget* parent);

signals:
    void Submitted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
