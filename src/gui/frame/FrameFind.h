#pragma once

#include <QObject>

class FindBar;
class QAction;
class QDockWidget;
class QWidget;

// The find bar's place in the frame: docked under the tabs, made the first
// time it is wanted. The Find command (Ctrl+F) opens it; F3 and Shift+F3 find
// the next and previous match from anywhere in the window, opening it too.
class FrameFind : public QObject {
    Q_OBJECT
public:
    FrameFind(QWidget& window, QAction& findCommand);

private:
    // Null while the window has no tabs.
    FindBar* Bar();

    QWidget& m_window;
    QDockWidget* m_dock = nullptr;
    FindBar* m_bar = nullptr;
};
