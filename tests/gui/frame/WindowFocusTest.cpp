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
    }

    int Alpha() const { return qRound(frame->windowOpacity() * 255); }

    RunFolder run;
    CQuillboxApp app{run.Path()};
    CMainFrame* frame = nullptr;
    DesktopActivation desktop;
};

TEST_F(WindowFocusTest, ActiveAtStartAndAfterADialogTranslucentWhileLeftReloadedOnReturn) {
    auto* notes = frame->findChild<CNotesView*>(QStringLiteral("notesView"));
    ASSERT_TRUE(DesktopActivation::Type(QStringLiteral("typed at once")));
    EXPECT_TRUE(WaitUntil([&] { return notes->toPlainText() == "typed at once"; }));
    if (!FramePart<FrameTransparency>(*frame).Available()) {
        GTEST_SKIP() << "the switches are seen by the window's alpha";
    }
    TabView(*frame).setCurrentIndex(1);
    auto* links = qobject_cast<CPageView*>(TabView(*frame).widget(1));
    auto pageShows = [&](const char* text) {
        return links->Browser() != nullptr &&
               PageHtml(*links->Browser()).contains(QLatin1String(text));
    };
    ASSERT_TRUE(WaitUntil([&] { return pageShows("first.org"); }));

    // A switch away and back after the start and after each kind of dialog; the
    // page dialog's save keeps what the other program wrote meanwhile.
    const struct {
        const char* outside;
        const char* dialog;
        std::function<void()> open;
    } rounds[] = {
        {"outside1.org", "settingsDialog",
         [&] { frame->Action(quill::kSettingsCommand)->trigger(); }},
        {"outside2.org", "aboutDialog", [&] { frame->Action(quill::kAboutCommand)->trigger(); }},
        {"outside3.org", "addLinkDialog",
         [&] {
             ClickAt(*links->Browser(),
                     AnchorCentre(*links->Browser(), QStringLiteral("Add link")));
         }},
        {"outside4.org", nullptr, nullptr}};
    for (const auto& round : rounds) {
        SCOPED_TRACE(round.outside);
        // Right after a dialog the window manager may still be acting on the
        // program's own request for the focus; a switch lost to it is made again.
        const auto away = [&] {
            return Alpha() == 44 && QGuiApplication::applicationState() != Qt::ApplicationActive;
        };
        ASSERT_TRUE(WaitUntil([&] { return desktop.ActivateOther() && WaitUntil(away, 1000); }))
            << "alpha " << Alpha() << ", active " << frame->isActiveWindow();
        EXPECT_EQ(QtProfile().ReadString("Status", "Note text"), "typed at once");
        // Another program's write shows while inactive; the return reloads once.
        run.Write(QStringLiteral("Data/qmlinks.qbx"), QByteArray(round.outside) + "|edited\r\n");
        EXPECT_TRUE(WaitUntil([&] { return pageShows(round.outside); }));
        QSignalSpy reloads(app.GetDocument(), &CQuillboxDoc::ViewsUpdateRequested);
        ASSERT_TRUE(desktop.Activate(*frame));
        EXPECT_TRUE(WaitUntil([&] { return Alpha() == 255 && !reloads.isEmpty(); }))
            << "alpha " << Alpha() << ", reloads " << reloads.count();
        EXPECT_EQ(reloads.count(), 1);
        if (round.dialog == nullptr) {
            break;
        }
        ModalScript script;
        script.Then(round.dialog, [](QWidget& dialog) {
            if (auto* address = dialog.findChild<QLineEdit*>(QStringLiteral("addressEdit"))) {
                address->setText(QStringLiteral("added.org"));
                ClickButton(dialog, "okButton");
            } else {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
        });
        // A click lost to the activation's redraw of the page is made again.
        for (int tries = 0; tries < 3 && !script.Done() && !QApplication::activeModalWidget();
             ++tries) {
            round.open();
            WaitUntil([&] { return script.Done() || QApplication::activeModalWidget(); }, 3000);
        }
        ASSERT_TRUE(WaitUntil([&] { return script.Done() && frame->isActiveWindow(); }));
        if (QByteArray(round.dialog) == "addLinkDialog") {
            const QByteArray kept = QByteArray(round.outside) + "|edited\r\nadded.org|";
            EXPECT_TRUE(WaitUntil(
                [&] { return run.Read(QStringLiteral("Data/qmlinks.qbx")).startsWith(kept); }));
        }
    }
}

TEST_F(WindowFocusTest, TheTrayIconsClicksHideAndShowInPlaceAndADoubleClickChangesNothing) {
    const QSystemTrayIcon& trayIcon = *FramePart<FrameTray>(*frame).Icon();
    // Until the tray has docked it the icon reports where it was made: wait till it holds still.
    QRect last;
    QElapsedTimer held;
    held.start();
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !WaitUntil([&] {
            if (trayIcon.geometry() != last || last.isEmpty()) {
                last = trayIcon.geometry();
                held.restart();
            }
            return !last.isEmpty() && held.elapsed() >= 300;
        })) {
        GTEST_SKIP() << "needs a notification area";
    }
    const QPoint icon = trayIcon.geometry().center();
    QSignalSpy clicks(FramePart<FrameTray>(*frame).Icon(), &QSystemTrayIcon::activated);
    ASSERT_TRUE(DesktopActivation::Click(icon, 2));
    ASSERT_TRUE(WaitUntil(
        [&] { return clicks.contains({QVariant::fromValue(QSystemTrayIcon::DoubleClick)}); }));
    EXPECT_TRUE(frame->isVisible());

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

    // Hidden, then mapped by the window manager all the same (as one that got
    // the map request of a start in the tray late): withdrawn again.
    ASSERT_TRUE(DesktopActivation::Click(icon));
    ASSERT_TRUE(WaitUntil([&] { return !frame->isVisible(); }));
    MapNotices maps(frame->winId());
    ASSERT_TRUE(DesktopActivation::MapFromOutside(*frame));
    EXPECT_TRUE(WaitUntil([&] { return maps.count > 0 && !DesktopActivation::Viewable(*frame); }))
        << "mapped " << maps.count << " times";
    EXPECT_FALSE(frame->isVisible());
}

} // namespace
