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
#include <gtest/gtest.h>

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

} // namespace
