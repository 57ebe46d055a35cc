// Reminders in the running program, on a clock the test moves.
#include "core/frame/FrameTimerIds.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/common/QtClock.h"
#include "gui/frame/FrameTimers.h"
#include "gui/views/CPageView.h"
#include "profile/QtProfile.h"
#include "support/DesktopActivation.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

struct TestClock : quill::Clock {
    quill::DateTime Now() const override { return now; }
    quill::DateTime now{2026, 12, 6, 9, 5};
};

class ReminderGuiTest : public ::testing::Test {
protected:
    void Start(const QByteArray& tasks) {
        run.CopyShippedData();
        run.Write(QStringLiteral("Data/qmtasks.qbx"), tasks);
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        // Before the event loop runs the first pass.
        Timers().UseClock(clock);
    }
    FrameTimers& Timers() { return *frame->findChild<FrameTimers*>(); }
    QWidget& TasksPage() {
        TabView(*frame).setCurrentIndex(2);
        auto* view = qobject_cast<CPageView*>(TabView(*frame).widget(2));
        EXPECT_TRUE(WaitUntil([&] { return view->Browser() != nullptr; }));
        return *view->Browser();
    }

    RunFolder run;
    TestClock clock;
    CQuillboxApp app{run.Path()};
    CMainFrame* frame = nullptr;
};

// The next minute's task is reminded over the open reminder of a missed one.
TEST_F(ReminderGuiTest, AMissedTaskAtStartTheNextMinutesOnTopAndLaterMovesTheMissedOne) {
    QtProfile profile;
    profile.WriteString("Status", "Last due check", "06.12.2026 09:00");
    profile.Flush();
    Start("06.12.2026|09:03|Call the bank\r\n06.12.2026|08:00|before\r\n"
          "06.12.2026|09:06|second\r\n");
    // Always just before a minute's start: the task timer comes every few ms.
    struct : quill::TimerClock {
        std::int64_t WallMs() const override { return 60'000 - 45; }
        std::int64_t SteadyMs() const override { return 0; }
    } minuteAlwaysEnding;
    Timers().UseTimerClock(minuteAlwaysEnding);
    Timers().StartTimer(quill::kTaskTimerId, 50);

    QString second;
    ModalScript script;
    script.Then("taskReminderDlg", [&](QWidget& missed) {
        EXPECT_EQ(missed.findChild<QLabel*>(QStringLiteral("missed"))->text(),
                  "Missed: 06.12.2026 09:03");
        // Readable and copyable, not greyed out.
        auto* comment = missed.findChild<QPlainTextEdit*>(QStringLiteral("comment"));
        EXPECT_TRUE(comment->isEnabled() && comment->isReadOnly() &&
                    comment->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        // Should the second never come, the test fails instead of waiting forever.
        QTimer::singleShot(10000, &missed, [&missed] { missed.close(); });
        clock.now = {2026, 12, 6, 9, 6};
        script.Then(
            "taskReminderDlg",
            [&](QWidget& next) {
                second = next.findChild<QPlainTextEdit*>(QStringLiteral("comment"))->toPlainText();
                ClickButton(next, "delete");
                // A plain click: ten minutes.
                script.Then("taskReminderDlg", [](QWidget& again) { ClickButton(again, "later"); });
            },
            &missed);
    });
    ASSERT_TRUE(WaitUntil([&] { return script.Done(); }));
    EXPECT_EQ(second, "second");
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")),
              "06.12.2026|09:16|Call the bank\r\n06.12.2026|08:00|before\r\n");
    QWidget& page = TasksPage();
    EXPECT_TRUE(WaitUntil([&] { return PageHtml(page).contains("09:16"); }));
}

// Real time, real dialog: a task added for the proposed minute is reminded within
// it. In the date field Tab and Shift+Tab move between the controls, and Enter
// with no comment yet goes to the comment first.
TEST_F(ReminderGuiTest, ATaskAddedForTheCurrentRealMinuteIsRemindedWithinIt) {
    Start("");
    QtClock desktopClock;
    Timers().UseClock(desktopClock);
    QWidget& page = TasksPage();
    ASSERT_TRUE(WaitUntil([&] { return !AnchorCentre(page, "Add task").isNull(); }));
    ModalScript script;
    script.Then("addTaskDialog", [](QWidget& dialog) {
        auto* date = dialog.findChild<QWidget*>(QStringLiteral("dateTimeCtrl"));
        auto* comment = dialog.findChild<QPlainTextEdit*>(QStringLiteral("commentEdit"));
        QTest::keyClick(date, Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), comment);
        QTest::keyClick(comment, Qt::Key_Backtab);
        QTest::keyClick(date, Qt::Key_Return); // back in the date field, or it would close
        EXPECT_TRUE(dialog.isVisible() && dialog.focusWidget() == comment);
        QTest::keyClicks(comment, QStringLiteral("Real minute"));
        QTest::keyClick(comment, Qt::Key_Backtab);
        QTest::keyClick(date, Qt::Key_Enter);
    });
    script.Then("taskReminderDlg", [&](QWidget& reminder) {
        EXPECT_EQ(reminder.findChild<QPlainTextEdit*>("comment")->toPlainText(), "Real minute");
        EXPECT_TRUE(reminder.findChild<QLabel*>(QStringLiteral("missed"))->isHidden());
        ClickButton(reminder, "ok");
    });
    // Not at a minute's very end, where the reminder would rightly come as missed.
    ASSERT_TRUE(WaitUntil([] { return QTime::currentTime().second() < 45; }, 20'000));
    ClickAt(page, AnchorCentre(page, "Add task"));
    EXPECT_TRUE(WaitUntil([&] { return script.Done(); }, 70'000));
}

// The desktop's notification service, as far as the reminder uses it.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    uint Notify(const QString&, uint, const QString&, const QString&, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        bodies << body;
        return 7;
    }
    void CloseNotification(uint id) { closed << id; }
    QStringList GetCapabilities() { return {"body", "body-markup"}; }

public:
    QStringList bodies;
    QList<uint> closed;
};

// Another program replaces the task file under the shown Tasks page (redrawn at
// once), then appends a task of this minute while the window is hidden in the
// tray: it is reminded, also as a desktop notification.
TEST_F(ReminderGuiTest, HiddenInTheTrayATaskFromAnotherProgramIsAlsoADesktopNotification) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeNotifications service;
    if (!DesktopActivation::Available() ||
        !bus.registerObject("/org/freedesktop/Notifications", &service,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications")) {
        GTEST_SKIP() << "needs X11 with xdotool and a session bus without notifications";
    }
    Start("06.12.2026|08:00|old\r\n");
    QWidget& page = TasksPage();
    ASSERT_TRUE(WaitUntil([&] { return PageHtml(page).contains("old"); }));
    run.Write(QStringLiteral("Data/new"), "06.12.2026|08:00|old\r\n06.12.2026|10:00|synced\r\n");
    const std::string data = run.File("Data/").toStdString();
    ASSERT_EQ(std::rename((data + "new").c_str(), (data + "qmtasks.qbx").c_str()), 0);
    EXPECT_TRUE(WaitUntil([&] { return PageHtml(page).contains("synced"); }));
    frame->hide();
    DesktopActivation desktop;
    ModalScript script;
    script.Then("taskReminderDlg", [&](QWidget& modal) {
        EXPECT_EQ(service.bodies,
                  QStringList{"Water &lt;b&gt;the&lt;/b&gt; plants &amp; &apos;herbs&apos;"});
        // The user is busy in another program when the notification is clicked.
        EXPECT_TRUE(desktop.ActivateOther() && WaitUntil([&] { return !modal.isActiveWindow(); }));
        bus.send(QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                            "org.freedesktop.Notifications", "ActionInvoked")
                 << 7u << QStringLiteral("default"));
        EXPECT_TRUE(WaitUntil([&] { return modal.isActiveWindow(); }, 5000));
        ClickButton(modal, "ok");
    });
    std::ofstream(data + "qmtasks.qbx", std::ios::app | std::ios::binary)
        << "06.12.2026|09:05|Water <b>the</b> plants & 'herbs'\r\n";
    EXPECT_TRUE(WaitUntil([&] { return service.closed == QList<uint>{7}; }));
    bus.unregisterService("org.freedesktop.Notifications");
}

} // namespace

#include "ReminderGuiTest.moc"
