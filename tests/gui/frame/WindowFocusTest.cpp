// The window on a real desktop: it comes up active with the keyboard focus in
// the note, keeps its place through hide and show, takes the tray's double
// click as two clicks, and notices every switch even after its dialogs close.
#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/CommandTable.h"
#include "frame/FrameCommands.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameTimers.h"
#include "frame/FrameTransparency.h"
#include "frame/FrameTray.h"
#include "frame/ToolbarLayout.h"
#include "support/DesktopActivation.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"
#include "views/CNotesView.h"
#include "views/CPageView.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QAction>
#include <QDateTime>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

constexpr int kLinksTab = 1;

// Where the window really is on the screen; Qt's own idea may lag behind the
// window manager's.
QRect ScreenGeometry(const QWidget& window) {
    QProcess info;
    info.start(QStringLiteral("xwininfo"),
               {QStringLiteral("-id"), QString::number(window.winId())});
    info.waitForFinished(5000);
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    auto value = [&](const char* label) {
        const QRegularExpression field(QLatin1String(label) + QStringLiteral(":\\s+(-?\\d+)"));
        return field.match(text).captured(1).toInt();
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
            value("Height")};
}

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
    }

    // Starts the program and waits until it has made itself the active window.
    void Start() {
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        ASSERT_TRUE(WaitUntil([&] { return frame->isActiveWindow(); }));
    }

    // The tray icon's centre on the screen; null without a notification area.
    QPoint TrayIconCentre() const {
        const QRect icon = FramePart<FrameTray>(*frame).Icon()->geometry();
        return QSystemTrayIcon::isSystemTrayAvailable() && !icon.isEmpty() ? icon.center()
                                                                           : QPoint();
    }

    int Alpha() const { return qRound(frame->windowOpacity() * 255); }

    void HandOver(const char* address) { frame->OnLinkHandover(address, "handed over"); }

    RunFolder run;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
    DesktopActivation desktop;
};

TEST_F(WindowFocusTest, StartsActiveWithTheNoteFocusedAndTurnsTranslucentWhenLeft) {
    Start();
    auto* notes = frame->findChild<CNotesView*>(QStringLiteral("notesView"));
    ASSERT_TRUE(DesktopActivation::Type(QStringLiteral("typed at once")));
    EXPECT_TRUE(WaitUntil([&] { return notes->toPlainText() == "typed at once"; }))
        << notes->toPlainText().toStdString();

    if (!FramePart<FrameTransparency>(*frame).Available()) {
        GTEST_SKIP() << "the window system shows no opacity here";
    }
    EXPECT_EQ(Alpha(), 255);
    ASSERT_TRUE(desktop.ActivateOther());
    EXPECT_TRUE(WaitUntil([&] { return Alpha() == 44; }));
}

// After any of the program's dialogs closes, leaving for another program and
// coming back reloads the lists once, and the next save keeps the other
// program's edit.
TEST_F(WindowFocusTest, AfterEachKindOfDialogTheNextSwitchAwayAndBackIsSeen) {
    // A task due in this minute for the reminder, its comment not UTF-8.
    WaitUntil([] { return QTime::currentTime().second() < 40; }, 25000);
    run.Write(QStringLiteral("Data/qmtasks.qbx"),
              QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy|HH:mm|")).toUtf8() +
                  "caf\xE9\r\n");
    Start();
    if (!FramePart<FrameTransparency>(*frame).Available()) {
        GTEST_SKIP() << "the switches are seen by the window's alpha";
    }
    TabView(*frame).setCurrentIndex(kLinksTab);
    auto* links = qobject_cast<CPageView*>(TabView(*frame).widget(kLinksTab));
    auto pageShows = [&](const QByteArray& text) {
        return links->Browser() != nullptr &&
               PageHtml(*links->Browser()).contains(QString::fromUtf8(text));
    };
    ASSERT_TRUE(WaitUntil([&] { return pageShows("first.org"); }));

    struct Kind {
        const char* name;
        const char* dialog;
        std::function<void()> open;
    };
    const Kind kinds[] = {
        {"page dialog", "addLinkDialog",
         [&] {
             ClickAt(*links->Browser(),
                     AnchorCentre(*links->Browser(), QStringLiteral("Add link")));
         }},
        {"reminder", "taskReminderDlg",
         [&] { FramePart<FrameTimers>(*frame).OnTimer(quill::kTaskTimerId); }},
        {"settings", "settingsDialog", [&] { frame->Action(quill::kSettingsCommand)->trigger(); }},
        {"about", "aboutDialog", [&] { frame->Action(quill::kAboutCommand)->trigger(); }},
        {"new link", "addLinkDialog", [&] { HandOver("handed.org"); }},
    };
    QString reminderComment;
    QByteArray file = run.Read(QStringLiteral("Data/qmlinks.qbx"));
    int round = 0;
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        ModalScript script;
        script.Then(QString::fromLatin1(kind.dialog), [&](QWidget& dialog) {
            if (auto* comment = dialog.findChild<QPlainTextEdit*>(QStringLiteral("comment"))) {
                reminderComment = comment->toPlainText();
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        kind.open();
        ASSERT_TRUE(WaitUntil([&] { return script.Done(); }));
        ASSERT_TRUE(WaitUntil([&] { return frame->isActiveWindow(); }));

        ASSERT_TRUE(desktop.ActivateOther());
        ASSERT_TRUE(WaitUntil([&] { return Alpha() == 44; }));
        QSignalSpy reloads(app.GetDocument(), &CQuillboxDoc::ViewsUpdateRequested);
        const QByteArray outside = "outside" + QByteArray::number(++round) + ".org";
        file += outside + "|from another program\r\n";
        run.Write(QStringLiteral("Data/qmlinks.qbx"), file);
        ASSERT_TRUE(desktop.Activate(*frame));
        EXPECT_TRUE(WaitUntil([&] { return Alpha() == 255 && pageShows(outside); }));
        EXPECT_EQ(reloads.count(), 1);

        ModalScript save;
        save.Then("addLinkDialog", [](QWidget& dialog) { ClickButton(dialog, "okButton"); });
        HandOver("saved.org");
        ASSERT_TRUE(WaitUntil([&] { return save.Done(); }));
        const QByteArray saved = run.Read(QStringLiteral("Data/qmlinks.qbx"));
        EXPECT_TRUE(saved.startsWith(file)) << saved.toStdString();
        EXPECT_GT(saved.size(), file.size());
        file = saved;
    }
    EXPECT_EQ(reminderComment, QStringLiteral("caf\u00E9"));
}

TEST_F(WindowFocusTest, ADoubleClickOnTheTrayIconLeavesTheWindowAsItWas) {
    Start();
    const QPoint icon = TrayIconCentre();
    if (icon.isNull()) {
        GTEST_SKIP() << "needs a notification area";
    }
    QSignalSpy clicks(FramePart<FrameTray>(*frame).Icon(), &QSystemTrayIcon::activated);
    ASSERT_TRUE(DesktopActivation::Click(icon, 2));
    ASSERT_TRUE(WaitUntil([&] {
        return std::any_of(clicks.begin(), clicks.end(), [](const QList<QVariant>& reason) {
            return reason[0].value<QSystemTrayIcon::ActivationReason>() ==
                   QSystemTrayIcon::DoubleClick;
        });
    }));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(FramePart<FrameCommands>(*frame).WindowShown());
}

TEST_F(WindowFocusTest, HiddenAndShownFromTheTrayTheWindowKeepsItsPlaceAndSize) {
    Start();
    const QPoint icon = TrayIconCentre();
    if (icon.isNull()) {
        GTEST_SKIP() << "needs a notification area";
    }
    const QRect placed(310, 240, 400, 360);
    frame->setGeometry(placed);
    ASSERT_TRUE(WaitUntil([&] { return ScreenGeometry(*frame) == placed; }));

    // Hidden and at once shown again, as quick as a user can.
    ASSERT_TRUE(DesktopActivation::Click(icon));
    ASSERT_TRUE(WaitUntil([&] { return !frame->isVisible(); }));
    ASSERT_TRUE(DesktopActivation::Click(icon));
    EXPECT_TRUE(WaitUntil([&] { return frame->isActiveWindow(); }));
    EXPECT_TRUE(WaitUntil([&] { return ScreenGeometry(*frame) == placed; }, 3000))
        << ScreenGeometry(*frame).x() << "," << ScreenGeometry(*frame).y() << " "
        << ScreenGeometry(*frame).width() << "x" << ScreenGeometry(*frame).height();
}

} // namespace
