#include "gui/common/CommentEdit.h"

#include <QKeyEvent>

CommentEdit::CommentEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void CommentEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers().testFlag(Qt::ControlModifier)) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    if (enter) {
        emit Submitted();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
