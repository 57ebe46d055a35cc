#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

// Runs work that the window does not need for its first picture once that
// picture is drawn, so the window comes up sooner. A window that is not drawn
// soon (started hidden in the tray) gets the work after a short while all the
// same. The work goes with context.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, QObject& context, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run();

    QWidget& m_window;
    std::function<void()> m_work;
    QTimer m_fallback;
};
