// The window on a real desktop, switched to and from another program, tray clicked.
#include "core/frame/CommandTable.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/frame/FrameTransparency.h"
#include "gui/frame/FrameTray.h"
#include "gui/views/CNotesView.h"
#include "gui/views/CPageView.h"
#include "gui/views/CQuillboxDoc.h"
#include "profile/QtProfile.h"
#include "support/DesktopActivation.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <functional>

namespace {

using namespace quill::test;

// Counts the X server's notices that the window was mapped.
struct MapNotices : QAbstractNativeEventFilter {
    explicit MapNotices(WId window) : id(static_cast<xcb_window_t>(window)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~MapNotices() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        auto* event = static_cast<xcb_generic_event_t*>(message);
        count += (event->response_type & ~0x80) == XCB_MAP_NOTIFY &&
                 reinterpret_cast<xcb_map_notify_event_t*>(event)->window == id;
        return false;
    }
    xcb_window_t id;
    int count = 0;
};

class WindowFocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DesktopActivation::Available()) {
            GTEST_SKIP() << "needs an X11 desktop with xdotool and xmessage";
        }
        run.CopyShippedData();
        run.Write(QStringLiteral("Data/qmlinks.qbx"), "first.org|first\r\n");
        QtProfile profile;
        profile.WriteInt("Status", "Percent", 80);
        profile.WriteInt("Status", "Track mouse", 0);
        profile.Flush();
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        ASSERT_TRUE(WaitUntil([&] { return frame->isActiveWindow(); }));
        // The cursor where a fresh desktop has it, whatever an earlier test did with it.
        QCursor::setPos(frame->screen()->geometry().center());
    }

    int Alpha() const { return qRound(frame->windowOpacity() * 255); }

    // Real keystrokes reach the notes: the window is active from the start.
    void TypeANote() {
        auto* notes = frame->findChild<CNotesView*>(QStringLiteral("notesView"));
        ASSERT_TRUE(DesktopActivation::Type(QString::fromLatin1(kNote)));
        ASSERT_TRUE(WaitUntil([&] { return notes->toPlainText() == kNote; }));
    }
    // The switches are seen by the window's alpha, the reloads on the links page.
    bool ShowLinks() {
        TabView(*frame).setCurrentIndex(1);
        links = qobject_cast<CPageView*>(TabView(*frame).widget(1));
        return FramePart<FrameTransparency>(*frame).Available() &&
               WaitUntil([&] { return PageShows("first.org"); });
    }
    bool PageShows(const QByteArray& text) const {
        return links->Browser() != nullptr &&
               PageHtml(*links->Browser()).contains(QLatin1String(text));
    }
    // Another program is switched to, writes the links, and the user comes back.
    void LeaveAndReturn(const QByteArray& outside) {
        SCOPED_TRACE(outside.constData());
        // Right after a dialog the window manager may still be acting on the
        // program's own request for the focus; a switch lost to it is made again.
        const auto away = [&] {
            return Alpha() == 44 && QGuiApplication::applicationState() != Qt::ApplicationActive;
        };
        ASSERT_TRUE(WaitUntil([&] { return desktop.ActivateOther() && WaitUntil(away, 1000); }))
            << "alpha " << Alpha() << ", active " << frame->isActiveWindow();
        EXPECT_EQ(QtProfile().ReadString("Status", "Note text"), kNote);
        // Another program's write shows while inactive; the return reloads once.
        run.Write(QStringLiteral("Data/qmlinks.qbx"), outside + "|edited\r\n");
        EXPECT_TRUE(WaitUntil([&] { return PageShows(outside); }));
        QSignalSpy reloads(app.GetDocument(), &CQuillboxDoc::ViewsUpdateRequested);
        ASSERT_TRUE(desktop.Activate(*frame));
        EXPECT_TRUE(WaitUntil([&] { return Alpha() == 255 && !reloads.isEmpty(); }))
            << "alpha " << Alpha() << ", reloads " << reloads.count();
        EXPECT_EQ(reloads.count(), 1);
    }
    // A switch away and back on each side of a dialog opened, answered and checked.
    void LeaveAndReturnAroundDialog(
        const char* name, const std::function<void()>& open,
        const std::function<void(QWidget&)>& answer =
            [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        const std::function<void()>& checkAfterwards = [] {}) {
        ASSERT_NO_FATAL_FAILURE(TypeANote());
        if (!ShowLinks()) {
            GTEST_SKIP() << "needs the window's transparency and the links page";
        }
        ASSERT_NO_FATAL_FAILURE(LeaveAndReturn("before.org"));
        ModalScript script;
        script.Then(name, answer);
        // A click lost to the activation's redraw of the page is made again.
        for (int tries = 0; tries < 3 && !script.Done() && !QApplication::activeModalWidget();
             ++tries) {
            open();
            WaitUntil([&] { return script.Done() || QApplication::activeModalWidget(); }, 3000);
        }
        ASSERT_TRUE(WaitUntil([&] { return script.Done() && frame->isActiveWindow(); }));
        checkAfterwards();
        LeaveAndReturn("after.org");
    }
    // Once the tray has docked the icon: where it is, in `icon`.
    bool TrayDocked() {
        const QSystemTrayIcon& trayIcon = *FramePart<FrameTray>(*frame).Icon();
        // Until then the icon reports where it was made: wait till it holds still.
        QRect last;
        QElapsedTimer held;
        held.start();
        const auto holdsStill = [&] {
            if (trayIcon.geometry() != last || last.isEmpty()) {
                last = trayIcon.geometry();
                held.restart();
            }
            return !last.isEmpty() && held.elapsed() >= 300;
        };
        const bool docked = QSystemTrayIcon::isSystemTrayAvailable() && WaitUntil(holdsStill);
        icon = trayIcon.geometry().center();
        return docked;
    }

    static constexpr const char* kNote = "typed at once";
    RunFolder run;
    CQuillboxApp app{run.Path()};
    CMainFrame* frame = nullptr;
    CPageView* links = nullptr;
    QPoint icon;
    DesktopActivation desktop;
};

TEST_F(WindowFocusTest, AfterTheSettingsDialogTheWindowGoesTranslucentAndReloadsOnReturn) {
    LeaveAndReturnAroundDialog("settingsDialog",
                               [&] { frame->Action(quill::kSettingsCommand)->trigger(); });
}

TEST_F(WindowFocusTest, AfterTheAboutDialogTheWindowGoesTranslucentAndReloadsOnReturn) {
    LeaveAndReturnAroundDialog("aboutDialog",
                               [&] { frame->Action(quill::kAboutCommand)->trigger(); });
}

TEST_F(WindowFocusTest, AddingALinkKeepsWhatAnotherProgramWroteWhileTheWindowWasLeft) {
    LeaveAndReturnAroundDialog(
        "addLinkDialog",
        [&] {
            ClickAt(*links->Browser(), AnchorCentre(*links->Browser(), QStringLiteral("Add link")));
        },
        [](QWidget& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("addressEdit"))
                ->setText(QStringLiteral("added.org"));
            ClickButton(dialog, "okButton");
        },
        [&] {
            EXPECT_TRUE(WaitUntil([&] {
                return run.Read(QStringLiteral("Data/qmlinks.qbx"))
                    .startsWith("before.org|edited\r\nadded.org|");
            }));
        });
}

TEST_F(WindowFocusTest, ADoubleClickOnTheTrayIconChangesNothing) {
    if (!TrayDocked()) {
        GTEST_SKIP() << "needs a notification area";
    }
    QSignalSpy clicks(FramePart<FrameTray>(*frame).Icon(), &QSystemTrayIcon::activated);
    ASSERT_TRUE(DesktopActivation::Click(icon, 2));
    ASSERT_TRUE(WaitUntil(
        [&] { return clicks.contains({QVariant::fromValue(QSystemTrayIcon::DoubleClick)}); }));
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(WindowFocusTest, TrayClicksHideAndShowTheWindowWhereTheUserMovedIt) {
    if (!TrayDocked()) {
        GTEST_SKIP() << "needs a notification area";
    }
    // Moved by the user: a window manager placing windows anew must still put it back.
    ASSERT_TRUE(WaitUntil([&] {
        return frame->frameGeometry().top() < frame->geometry().top() &&
               DesktopActivation::ScreenGeometry(*frame) == frame->geometry();
    }));
    const QPoint caption(frame->geometry().center().x(),
                         (frame->frameGeometry().top() + frame->geometry().top()) / 2);
    const QRect placed = frame->geometry().translated(300, 100);
    ASSERT_TRUE(DesktopActivation::Drag(caption, caption + QPoint(300, 100)));
    ASSERT_TRUE(WaitUntil([&] { return DesktopActivation::ScreenGeometry(*frame) == placed; }))
        << "the drag did not move the window";

    // Hidden and at once shown again, as quick as a user can.
    ASSERT_TRUE(DesktopActivation::Click(icon));
    ASSERT_TRUE(WaitUntil([&] { return !frame->isVisible(); }));
    ASSERT_TRUE(DesktopActivation::Click(icon));
    EXPECT_TRUE(WaitUntil([&] { return frame->isActiveWindow(); }));
    EXPECT_TRUE(
        WaitUntil([&] { return DesktopActivation::ScreenGeometry(*frame) == placed; }, 3000));
}

// Hidden, then mapped by the window manager all the same (as one that got the
// map request of a start in the tray late): withdrawn again.
TEST_F(WindowFocusTest, AWindowHiddenInTheTrayIsWithdrawnAgainWhenMappedFromOutside) {
    if (!TrayDocked()) {
        GTEST_SKIP() << "needs a notification area";
    }
    ASSERT_TRUE(DesktopActivation::Click(icon));
    ASSERT_TRUE(WaitUntil([&] { return !frame->isVisible(); }));
    MapNotices maps(frame->winId());
    ASSERT_TRUE(DesktopActivation::MapFromOutside(*frame));
    EXPECT_TRUE(WaitUntil([&] { return maps.count > 0 && !DesktopActivation::Viewable(*frame); }))
        << "mapped " << maps.count << " times";
    EXPECT_FALSE(frame->isVisible());
}

} // namespace
