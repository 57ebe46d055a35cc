#include "support/ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <gtest/gtest.h>

namespace quill::test {

void ModalScript::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (m_starting || m_steps.empty() || modal == nullptr || !modal->isVisible()) {
        return;
    }
    const Step& next = m_steps.front();
    if (modal == next.notThis ||
        (!next.objectName.isEmpty() && modal->objectName() != next.objectName)) {
        return;
    }
    // Acted on just after this tick: an action that opens a further dialog
    // blocks, and Qt fires no timer again while its handler runs.
    m_starting = true;
    QTimer::singleShot(0, this, [this, target = QPointer(modal), step = next.action] {
        m_starting = false;
        if (target) {
            step(*target);
        }
    });
    m_steps.pop_front();
}

void ClickButton(QWidget& parent, const QString& nameOrText) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
        if (button->objectName() == nameOrText || button->text() == nameOrText) {
            return button->click();
        }
    }
    ADD_FAILURE() << "no button " << nameOrText.toStdString() << " in "
                  << parent.objectName().toStdString();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

} // namespace quill::test
