#pragma once

#include <QPoint>
#include <QProcess>
#include <QWidget>

namespace quill::test {

// Moves the desktop's focus between the program under test and another
// program's window, as a user clicking between windows would (X11 only).
class DesktopActivation {
public:
    ~DesktopActivation();

    static bool Available();
    // Activates another program's window; the program under test goes inactive.
    bool ActivateOther();
    // Activates the given window of the program under test.
    static bool Activate(QWidget& window);
    // Real keystrokes and clicks, to whatever window the desktop gives them.
    static bool Type(const QString& text);
    static bool Click(QPoint screenPosition, int times = 1);
    // Where the window really is; Qt's own idea may lag behind the window manager's.
    static QRect ScreenGeometry(const QWidget& window);

private:
    QProcess m_other;
};

} // namespace quill::test
