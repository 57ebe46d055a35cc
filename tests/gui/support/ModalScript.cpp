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
    if (m_starting || m_steps.empty() || modal == nullptr || !modal->isVisible() ||
        (!m_steps.front().objectName.isEmpty() &&
         modal->objectName() != m_steps.front().objectName) ||
        modal == m_steps.front().notThis) {
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    // Acted on just after this tick: an action that opens a further dialog
    // blocks, and Qt fires no timer again while its handler runs.
    m_starting = true;
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, this, [this, target, action = std::move(step.action)] {
        m_starting = false;
        if (target) {
            action(*target);
        }
    });
}

void ClickButton(QWidget& parent, const QString& nameOrText) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
        if (button->objectName() == nameOrText || button->text() == nameOrText) {
            button->click();
            return;
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
