#pragma once

#include <QObject>
#include <QRect>

class QMainWindow;

// What every show of the frame does, at start and from the tray: the window
// comes back where it was and as large as it was (a window manager would place
// it anew), in front and active, with the keyboard focus in the active tab's
// view. Window managers do not activate a newly mapped tool window themselves.
class FrameShowing : public QObject {
    Q_OBJECT
public:
    explicit FrameShowing(QMainWindow& frame);

    void BringToFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& m_frame;
    QRect m_geometry;
};
