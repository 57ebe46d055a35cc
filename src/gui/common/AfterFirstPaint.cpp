#include "gui/common/AfterFirstPaint.h"

#include <QEvent>
#include <QWidget>

namespace {
// Far longer than a window takes to come up; short enough to go unnoticed.
constexpr int kFallbackMs = 300;
} // namespace

AfterFirstPaint::AfterFirstPaint(QWidget& window, QObject& context, std::function<void()> work)
    : QObject(&context), m_window(window), m_work(std::move(work)) {
    m_window.installEventFilter(this);
    m_fallback.setSingleShot(true);
    connect(&m_fallback, &QTimer::timeout, this, &AfterFirstPaint::Run);
    m_fallback.start(kFallbackMs);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Paint) {
        // After the painting in progress has reached the screen.
        m_window.removeEventFilter(this);
        QTimer::singleShot(0, this, &AfterFirstPaint::Run);
    }
    return false;
}

void AfterFirstPaint::Run() {
    if (!m_work) {
        return;
    }
    m_window.removeEventFilter(this);
    m_fallback.stop();
    std::exchange(m_work, nullptr)();
    deleteLater();
}
