// Reminders in the running program, on a clock the test moves.
#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameTimers.h"
#include "support/DesktopActivation.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"
#include "views/CPageView.h"
#include "views/CQuillboxView.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using quill::test::ClickButton;
using quill::test::ModalScript;
using quill::test::RunFolder;
using quill::test::WaitUntil;

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
        // Before the event loop runs the start-up catch-up.
        Timers().UseClock(clock);
    }
    FrameTimers& Timers() { return *frame->findChild<FrameTimers*>(); }

    RunFolder run;
    TestClock clock;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
};

TEST_F(ReminderGuiTest, AMissedTaskIsRemindedAtStartAndLaterMovesIt) {
    QtProfile profile;
    profile.WriteString("Status", "Last due check", "06.12.2026 09:00");
    profile.Flush();
    Start("06.12.2026|09:03|Call the bank\r\n06.12.2026|08:00|before\r\n");

    QString missed;
    ModalScript script;
    script.Then("taskReminderDlg", [&](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), "Task");
        missed = modal.findChild<QLabel*>(QStringLiteral("missed"))->text();
        auto* comment = modal.findChild<QPlainTextEdit*>(QStringLiteral("comment"));
        EXPECT_EQ(comment->toPlainText(), "Call the bank");
        // Readable and copyable, not greyed out.
        EXPECT_TRUE(comment->isEnabled() && comment->isReadOnly());
        EXPECT_TRUE(comment->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        EXPECT_TRUE(modal.findChild<QDateTimeEdit*>(QStringLiteral("dueDate"))->isEnabled());
        clock.now = {2026, 12, 6, 9, 6};
        ClickButton(modal, "later"); // a plain click: ten minutes
    });
    ASSERT_TRUE(WaitUntil([&] { return script.Done(); }));
    EXPECT_EQ(missed, "Missed: 06.12.2026 09:03");
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")),
              "06.12.2026|09:16|Call the bank\r\n06.12.2026|08:00|before\r\n");

    auto* tabs = frame->findChild<CQuillboxView*>();
    tabs->setCurrentIndex(2);
    auto* view = qobject_cast<CPageView*>(tabs->widget(2));
    EXPECT_TRUE(WaitUntil([&] {
        return view->Browser() && quill::test::PageHtml(*view->Browser()).contains("09:16");
    }));
}

// The first reminder stays open while the next minute's task falls due.
TEST_F(ReminderGuiTest, TheNextMinutesTaskIsRemindedWhileTheFirstReminderIsOpen) {
    Start("06.12.2026|09:05|first\r\n06.12.2026|09:06|Caf\xE9\r\n");
    // Always just before a minute's start: the task timer comes every few ms.
    struct : quill::TimerClock {
        std::int64_t WallMs() const override { return 60'000 - 45; }
        std::int64_t SteadyMs() const override { return 0; }
    } minuteAlwaysEnding;
    Timers().UseTimerClock(minuteAlwaysEnding);
    Timers().StartTimer(quill::kTaskTimerId, 50);

    QStringList shown;
    auto commentOf = [](QWidget& modal) {
        return modal.findChild<QPlainTextEdit*>(QStringLiteral("comment"))->toPlainText();
    };
    ModalScript script;
    script.Then("taskReminderDlg", [&](QWidget& first) {
        shown << commentOf(first);
        // Should the second never come, the test fails instead of waiting forever.
        QTimer::singleShot(10000, &first, [&first] { first.close(); });
        clock.now = {2026, 12, 6, 9, 6};
        script.Then(
            "taskReminderDlg",
            [&](QWidget& second) {
                shown << commentOf(second);
                ClickButton(second, "delete");
                script.Then("taskReminderDlg",
                            [](QWidget& again) { QTest::keyClick(&again, Qt::Key_Return); });
            },
            &first);
    });
    ASSERT_TRUE(WaitUntil([&] { return script.Done(); }));
    // A comment that is not UTF-8 reads as Latin-1. Delete removed the second
    // task from the file; Enter meant OK.
    EXPECT_EQ(shown, (QStringList{"first", QString::fromUtf8("Caf\xC3\xA9")}));
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")), "06.12.2026|09:05|first\r\n");
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

public:
    QStringList bodies;
    QList<uint> closed;
};

TEST_F(ReminderGuiTest, HiddenInTheTrayAReminderIsAlsoADesktopNotification) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeNotifications service;
    if (!bus.registerObject("/org/freedesktop/Notifications", &service,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications")) {
        GTEST_SKIP() << "needs a D-Bus session bus without a notification service";
    }
    if (!quill::test::DesktopActivation::Available()) {
        GTEST_SKIP() << "needs an X11 desktop with xdotool and xmessage";
    }
    Start("06.12.2026|09:05|Water the plants\r\n");
    frame->hide();

    bool raised = false;
    quill::test::DesktopActivation desktop;
    ModalScript script;
    script.Then("taskReminderDlg", [&](QWidget& modal) {
        EXPECT_EQ(service.bodies, QStringList{"Water the plants"});
        // The user is busy in another program when the notification is clicked.
        if (!desktop.ActivateOther() || !WaitUntil([&] { return !modal.isActiveWindow(); })) {
            ADD_FAILURE() << "the reminder could not be put in the background";
        }
        QDBusMessage click = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        bus.send(click << 7u << QStringLiteral("default"));
        raised = WaitUntil([&] { return modal.isActiveWindow(); }, 5000);
        ClickButton(modal, "ok");
    });
    Timers().OnTimer(quill::kTaskTimerId);
    EXPECT_TRUE(raised);
    WaitUntil([&] { return !service.closed.isEmpty(); }, 5000);
    EXPECT_EQ(service.closed, QList<uint>{7});
    bus.unregisterService("org.freedesktop.Notifications");
}

} // namespace

#include "ReminderGuiTest.moc"
