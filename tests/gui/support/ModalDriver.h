#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quill::test {

// Runs action on the next modal widget that shows up (a dialog's exec() or a
// message box), polling from a timer so the test can act inside the nested loop.
inline void WhenModalShows(std::function<void(QWidget*)> action, int timeoutMs = 10000) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action, timeoutMs] {
        *waited += 20;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || *waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (modal) {
                action(modal);
            }
        }
    });
    timer->start(20);
}

} // namespace quill::test
