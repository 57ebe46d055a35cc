#include "gui/frame/FrameFind.h"

#include "gui/views/CQuillboxView.h"
#include "gui/views/FindBar.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QShortcut>

FrameFind::FrameFind(QWidget& window, QAction& findCommand) : QObject(&window), m_window(window) {
    setObjectName(QStringLiteral("frameFind"));
    connect(&findCommand, &QAction::triggered, this, [this] {
        if (FindBar* bar = Bar()) {
            bar->Open();
        }
    });
    auto findOn = [this](QKeySequence key, void (FindBar::*step)()) {
        new QShortcut(key, &m_window, [this, step] {
            if (FindBar* bar = Bar()) {
                (bar->*step)();
            }
        });
    };
    findOn(QKeySequence(Qt::Key_F3), &FindBar::FindNext);
    findOn(QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::FindPrevious);
}

FindBar* FrameFind::Bar() {
    if (m_bar != nullptr) {
        return m_bar;
    }
    auto* frame = qobject_cast<QMainWindow*>(&m_window);
    auto* tabs = m_window.findChild<CQuillboxView*>();
    if (frame == nullptr || tabs == nullptr) {
        return nullptr;
    }
    // A dock with neither caption nor handles: a strip under the tabs that
    // the frame lays out, so the tab above shrinks rather than hides behind it.
    m_dock = new QDockWidget(frame);
    m_dock->setObjectName(QStringLiteral("findDock"));
    m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_dock->setTitleBarWidget(new QWidget(m_dock));
    m_bar = new FindBar(*tabs, m_dock);
    m_dock->setWidget(m_bar);
    frame->addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    connect(m_bar, &FindBar::ShownChanged, m_dock, &QDockWidget::setVisible);
    return m_bar;
}
