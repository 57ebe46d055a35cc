#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace quill::test {

// Acts on modal dialogs while they run their own event loop: each step waits
// for the active modal widget with the given object name (any, if empty), then
// acts on it. The one way the tests drive a dialog.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget&)>;

    ModalScript() {
        connect(&m_timer, &QTimer::timeout, this, &ModalScript::Check);
        m_timer.start(15);
    }
    // notThis: wait for a dialog other than one that is already open.
    ModalScript& Then(const QString& objectName, Action action, const QWidget* notThis = nullptr) {
        m_steps.push_back({objectName, notThis, std::move(action)});
        return *this;
    }
    bool Done() const { return m_steps.empty() && !m_starting; }

private:
    struct Step {
        QString objectName;
        const QWidget* notThis;
        Action action;
    };
    void Check() {
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

    QTimer m_timer;
    std::deque<Step> m_steps;
    bool m_starting = false;
};

// Clicks the child button with the given object name (or, failing that, text).
inline void ClickButton(QWidget& parent, const QString& nameOrText) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
        if (button->objectName() == nameOrText || button->text() == nameOrText) {
            return button->click();
        }
    }
    ADD_FAILURE() << "no button " << nameOrText.toStdString() << " in "
                  << parent.objectName().toStdString();
}

// Runs the event loop until done() holds or timeoutMs has passed; done() at the end.
// The one way the tests wait.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

} // namespace quill::test
