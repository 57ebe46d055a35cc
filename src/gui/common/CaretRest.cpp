#include "gui/common/CaretRest.h"

#include <QApplication>
#include <QEvent>

CaretRest::CaretRest(int restAfterMs, QObject* parent)
    : QObject(parent), m_flashTime(QApplication::cursorFlashTime()) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(restAfterMs);
    connect(&m_idle, &QTimer::timeout, this, &CaretRest::Rest);
    // Application-wide: a key or click in any window, dialogs included, is work.
    qApp->installEventFilter(this);
    m_idle.start();
}

CaretRest::~CaretRest() {
    qApp->removeEventFilter(this);
    if (m_resting) {
        QApplication::setCursorFlashTime(m_flashTime);
    }
}

void CaretRest::Rest() {
    // A flash time of 0 leaves every caret shown without blinking.
    m_resting = true;
    QApplication::setCursorFlashTime(0);
}

bool CaretRest::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
    case QEvent::ApplicationActivate:
        if (m_resting) {
            m_resting = false;
            QApplication::setCursorFlashTime(m_flashTime);
        }
        m_idle.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
