// The cursor on the window manager's caption is noticed from the X server's
// enter and leave on the frame window: nothing polls while the cursor is away.
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/FrameTimers.h"
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
#include <cstdlib>
#include <tuple>

namespace {

using namespace quill::test;

TEST(HoverGui, CaptionAndClientAreaAreFollowedOnlyWhileTheCursorIsOnTheWindow) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs X11 with a window manager";
    }
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.GetMainFrame();
    // The window manager has framed and placed the window once Qt knows the
    // caption's height and agrees with the X server on where the window is.
    ASSERT_TRUE(WaitUntil([&] {
        return frame.isVisible() && frame.frameGeometry().top() < frame.geometry().top() &&
               DesktopActivation::ScreenGeometry(frame) == frame.geometry();
    }));
    const quill::FrameTimerDuties& duties = FramePart<FrameTimers>(frame).Duties();
    const QRect outer = frame.frameGeometry();
    const QRect client = frame.geometry();
    const QPoint away = outer.bottomRight() + QPoint(100, 100);
    const QPoint caption(client.center().x(), (outer.top() + client.top()) / 2);

    // Where the cursor goes, and whether it is then on the caption and polled;
    // the last move is straight off the caption.
    const std::tuple<QPoint, bool, bool> moves[] = {{away, false, false},
                                                    {caption, true, true},
                                                    {client.center(), false, true},
                                                    {caption, true, true},
                                                    {away, false, false}};
    for (const auto& [to, onCaption, polled] : moves) {
        QElapsedTimer moved; // how soon the caption is noticed goes to the log
        moved.start();
        QCursor::setPos(to);
        EXPECT_TRUE(WaitUntil([&] {
            return duties.OverNonClient() == onCaption && duties.CursorPolled() == polled;
        })) << to.x()
            << "," << to.y() << ": on the caption " << duties.OverNonClient() << ", polled "
            << duties.CursorPolled();
        if (onCaption) {
            qInfo() << "cursor on the caption noticed after" << moved.elapsed() << "ms";
        }
    }

    frame.hide();
    QCursor::setPos(client.center());
    EXPECT_FALSE(duties.CursorPolled());
    frame.show(); // under the cursor: no enter comes for it
    EXPECT_TRUE(WaitUntil([&] { return duties.CursorPolled(); }));
    app.ExitInstance(0);
}

// Moves the cursor as a hand does: a step every stepMs, the program running in between.
void Glide(QPoint from, QPoint to, int stepPx, int stepMs) {
    const QPoint way = to - from;
    const int steps = std::max(1, std::max(std::abs(way.x()), std::abs(way.y())) / stepPx);
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

TEST(HoverGui, TheWindowTurnsTranslucentWhenTheCursorLeavesAtAnySpeedAndWay) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs X11 with a window manager";
    }
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.GetMainFrame();
    const QPoint start = QCursor::pos(); // given back to the tests that follow
    const QRect placed(400, 300, 360, 420);
    frame.setGeometry(placed);
    ASSERT_TRUE(WaitUntil([&] {
        return frame.frameGeometry().top() < frame.geometry().top() &&
               DesktopActivation::ScreenGeometry(frame) == placed;
    }));
    auto alpha = [&] { return qRound(frame.windowOpacity() * 255); };
    const QRect outer = frame.frameGeometry();
    const QPoint inside = placed.center();
    const QPoint caption(inside.x(), (outer.top() + placed.top()) / 2);

    // From the client area or the caption, out by steps of some pixels every
    // few milliseconds, or in one jump.
    const struct {
        QPoint from, to;
        int stepPx, stepMs;
    } leaves[] = {
        {inside, {outer.right() + 80, inside.y()}, 8, 8},
        {inside, {inside.x(), outer.bottom() + 40}, 2, 16},
        {inside, {outer.left() - 60, inside.y()}, 24, 4},
        {inside, {60, 60}, 1000, 0},
        {caption, {caption.x(), outer.top() - 60}, 8, 8},
        {caption, {outer.right() + 60, caption.y()}, 2, 16},
        {caption, {1200, 60}, 1000, 0},
    };
    for (const auto& leave : leaves) {
        SCOPED_TRACE(testing::Message() << leave.from.x() << "," << leave.from.y() << " to "
                                        << leave.to.x() << "," << leave.to.y() << " by "
                                        << leave.stepPx << " px every " << leave.stepMs << " ms");
        QCursor::setPos(leave.from);
        ASSERT_TRUE(WaitUntil([&] { return alpha() == 255; }, 5000)) << alpha();
        Glide(leave.from, leave.to, leave.stepPx, leave.stepMs);
        EXPECT_TRUE(WaitUntil([&] { return alpha() == 44; }, 3000)) << alpha();
    }
    QCursor::setPos(start);
    app.ExitInstance(0);
}

} // namespace
