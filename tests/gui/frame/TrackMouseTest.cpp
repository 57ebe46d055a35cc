// The cursor on the window manager's caption is noticed from the X server's
// enter and leave on the frame window: nothing polls while the cursor is away.
#include "gui/app/CQuillboxApp.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/FrameTimers.h"
#include "support/DesktopActivation.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace quill::test;

// Moves the cursor as a hand does: a step every stepMs, the program running in between.
void Glide(QPoint from, QPoint to, int stepPx, int stepMs) {
    const QPoint way = to - from;
    const int steps = std::max(1, way.manhattanLength() / stepPx);
    for (int i = 1; i <= steps; ++i) {
        QCursor::setPos(from + way * i / steps);
        QElapsedTimer step;
        step.start();
        while (step.elapsed() < stepMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QThread::usleep(500);
        }
    }
}

// Opaque on the caption and the client area alike; polled only while on either.
TEST(TrackMouse, TheCursorLeavingAtAnySpeedOrWayMakesTheWindowTranslucentAndEndsThePoll) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs X11 with a window manager";
    }
    RunFolder run;
    CQuillboxApp app(run.Path());
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.GetMainFrame();
    const QPoint start = QCursor::pos(); // given back to the tests that follow
    const QRect placed(400, 300, 360, 420);
    frame.setGeometry(placed);
    // Framed and placed once Qt knows the caption's height and agrees with the X server.
    ASSERT_TRUE(WaitUntil([&] {
        return frame.frameGeometry().top() < frame.geometry().top() &&
               DesktopActivation::ScreenGeometry(frame) == placed;
    }));
    const quill::FrameTimerDuties& duties = FramePart<FrameTimers>(frame).Duties();
    auto alpha = [&] { return qRound(frame.windowOpacity() * 255); };
    const QRect outer = frame.frameGeometry();
    const QPoint inside = placed.center();
    const QPoint caption(inside.x(), (outer.top() + placed.top()) / 2);

    // Out by steps of some pixels every few milliseconds, or in one jump.
    const struct {
        QPoint from, to;
        int stepPx, stepMs;
    } leaves[] = {{inside, {outer.right() + 80, inside.y()}, 8, 8},
                  {inside, {inside.x(), outer.bottom() + 40}, 2, 16},
                  {inside, {60, 60}, 1000, 0},
                  {caption, {caption.x(), outer.top() - 60}, 8, 8},
                  {caption, {1200, 60}, 1000, 0}};
    for (const auto& leave : leaves) {
        SCOPED_TRACE(testing::Message() << "leave " << &leave - leaves);
        QCursor::setPos(leave.from);
        EXPECT_TRUE(WaitUntil([&] {
            return alpha() == 255 && duties.CursorPolled() &&
                   duties.OverNonClient() == (leave.from == caption);
        }));
        Glide(leave.from, leave.to, leave.stepPx, leave.stepMs);
        EXPECT_TRUE(WaitUntil([&] { return alpha() == 44 && !duties.CursorPolled(); }, 3000))
            << alpha();
    }

    frame.hide();
    QCursor::setPos(inside);
    EXPECT_FALSE(duties.CursorPolled());
    frame.show(); // under the cursor: no enter comes for it
    EXPECT_TRUE(WaitUntil([&] { return duties.CursorPolled() && alpha() == 255; }));
    // XWayland's cursor stays where it left us; a window put over ours leaves the same way.
    qputenv("WAYLAND_DISPLAY", "wayland-lab");
    QWidget cover(nullptr, Qt::ToolTip);
    cover.setGeometry(QRect(inside - QPoint(20, 20), QSize(40, 40)));
    cover.show();
    EXPECT_TRUE(WaitUntil([&] { return alpha() == 44 && !duties.CursorPolled(); }));
    frame.hide();
    cover.hide();
    frame.show(); // entered by a cursor that only XWayland's memory puts there
    EXPECT_EQ(FramePart<FrameTimers>(frame).LocateCursor(), quill::CursorPlace::Outside);
    QCursor::setPos(inside + QPoint(1, 0)); // it moved: really there
    EXPECT_TRUE(WaitUntil([&] { return alpha() == 255; }));
    qunsetenv("WAYLAND_DISPLAY");
    QCursor::setPos(start);
    app.ExitInstance(0);
}

} // namespace
