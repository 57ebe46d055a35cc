#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QMainWindow;

// Decides when the program as a whole becomes active or inactive and reports
// each real switch exactly once. Qt's application state alone misses some:
// when one of the program's dialogs closes, the window manager may hand the
// focus to another program and Qt never reports the program inactive, so the
// next return would go unnoticed. The frame's own activation and the focus
// window count as well, and a closing dialog hands the focus back to its owner.
class FrameActivation : public QObject {
    Q_OBJECT
public:
    FrameActivation(QMainWindow& frame, std::function<void(bool active)> onSwitch);
    ~FrameActivation() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Switch(bool active);
    // A dialog has closed: the next open dialog or, failing that, the frame
    // takes the focus, as an owner window would.
    void ReturnFocusAfterDialog();
    // Some window managers refuse the focus to a program that asks for it:
    // then nothing of the program holds it, and the program is inactive.
    void CheckFocusHeld();

    QMainWindow& m_frame;
    std::function<void(bool)> m_onSwitch;
    bool m_active;
    QTimer m_focusCheck;
};
