#pragma once

#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

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
    void Check();

    QTimer m_timer;
    std::deque<Step> m_steps;
    bool m_starting = false;
};

// Clicks the child button with the given object name (or, failing that, text).
void ClickButton(QWidget& parent, const QString& nameOrText);

// Runs the event loop until done() holds or timeoutMs has passed; done() at the end.
// The one way the tests wait.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000);

} // namespace quill::test
