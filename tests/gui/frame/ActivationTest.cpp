// The program coming back to the front re-reads both data files; going to the
// back stores the note. Real focus changes between real windows under X11.
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/FrameParts.h"
#include "frame/FrameTimerIds.h"
#include "QtProfile.h"
#include "support/DesktopActivation.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"
#include "views/CNotesView.h"
#include "views/CPageView.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using quill::test::DesktopActivation;
using quill::test::PageHtml;
using quill::test::RunFolder;
using quill::test::WaitUntil;

class ActivationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DesktopActivation::Available()) {
            GTEST_SKIP() << "needs an X11 desktop with xdotool and xmessage";
        }
        for (const QString& name :
             QDir(QStringLiteral(QUILLMARK_DATA_DIR)).entryList(QDir::Files)) {
            QFile::copy(QStringLiteral(QUILLMARK_DATA_DIR "/") + name,
                        run.File(QStringLiteral("Data/") + name));
        }
        run.Write(QStringLiteral("Data/qmlinks.qbx"), "first.org|first\r\n");
        run.Write(QStringLiteral("Data/qmtasks.qbx"), TasksFile());
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        ASSERT_TRUE(desktop.Activate(*frame));
        ASSERT_TRUE(
            WaitUntil([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }));
    }

    virtual QByteArray TasksFile() const { return "01.01.2030|10:00|task one\r\n"; }

    // Shows a page tab and returns its page once it holds text.
    QString ShownPage(int tab, const char* expected) {
        frame->m_pTabView->setCurrentIndex(tab);
        auto* view = qobject_cast<CPageView*>(frame->m_pTabView->widget(tab));
        QString html;
        WaitUntil([&] {
            html = view->Browser() ? PageHtml(*view->Browser()) : QString();
            return html.contains(QLatin1String(expected));
        });
        return html;
    }

    void SwitchAwayAndBack(const std::function<void()>& whileAway) {
        ASSERT_TRUE(desktop.ActivateOther());
        ASSERT_TRUE(
            WaitUntil([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }));
        whileAway();
        ASSERT_TRUE(desktop.Activate(*frame));
        ASSERT_TRUE(
            WaitUntil([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }));
    }

    RunFolder run;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
    DesktopActivation desktop;
};

TEST_F(ActivationTest, EditsMadeWhileInactiveAreReadOnActivation) {
    EXPECT_TRUE(ShownPage(1, "first.org").contains(QLatin1String("first.org")));
    QSignalSpy redraws(app.GetDocument(), &CQuillboxDoc::ViewsUpdateRequested);

    SwitchAwayAndBack([&] {
        run.Write(QStringLiteral("Data/qmlinks.qbx"), "edited.org|from outside\r\nb.org|two\r\n");
        QFile::remove(run.File(QStringLiteral("Data/qmtasks.qbx")));
    });

    ASSERT_EQ(frame->State().m_links.size(), 2u);
    EXPECT_EQ(frame->State().m_links[0].m_address, "edited.org");
    EXPECT_TRUE(frame->State().m_tasks.empty());
    EXPECT_TRUE(QFile::exists(run.File(QStringLiteral("Data/qmtasks.qbx"))));
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")), "");
    EXPECT_GE(redraws.count(), 1);
    // The visible Links page redrew at once; the hidden Tasks page when shown.
    const QString links = ShownPage(1, "edited.org");
    EXPECT_TRUE(links.contains(QLatin1String("b.org")));
    EXPECT_FALSE(links.contains(QLatin1String("first.org")));
    EXPECT_FALSE(ShownPage(2, "Add task").contains(QLatin1String("task one")));
}

TEST_F(ActivationTest, GoingInactiveStoresTheNoteAndLeavesTheListsAlone) {
    auto* notes = frame->findChild<CNotesView*>(QStringLiteral("notesView"));
    notes->setPlainText(QStringLiteral("written before switching away"));
    frame->State().m_links.push_back({"unsaved.org", "only in memory"});

    ASSERT_TRUE(desktop.ActivateOther());
    ASSERT_TRUE(
        WaitUntil([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }));

    EXPECT_EQ(frame->State().m_links.size(), 2u);
    QtProfile fresh;
    EXPECT_EQ(fresh.ReadString("Status", "Note text"), "written before switching away");
}

// Two tasks: the first due in the current minute, the second an hour ago.
class ReminderActivationTest : public ActivationTest {
protected:
    void SetUp() override {
        // Keep clear of a minute's end so the first task stays due throughout.
        while (QTime::currentTime().second() >= 45) {
            QThread::msleep(500);
        }
        m_now = QDateTime::currentDateTime();
        ActivationTest::SetUp();
    }

    QByteArray Line(const QDateTime& at, const char* comment) const {
        return at.toString(QStringLiteral("dd.MM.yyyy|HH:mm|")).toUtf8() + comment + "\r\n";
    }
    QByteArray TasksFile() const override {
        return Line(m_now, "due now") + Line(m_now.addSecs(-3600), "an hour ago");
    }

    // Runs the reminder pass, closing each reminder with OK; returns their comments.
    QStringList RemindersShown() {
        QStringList shown;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QLatin1String("taskReminderDlg")) {
                shown
                    << modal->findChild<QPlainTextEdit*>(QStringLiteral("comment"))->toPlainText();
                modal->findChild<QPushButton*>(QStringLiteral("ok"))->click();
            }
        });
        answer.start(20);
        frame->Parts()->timers.OnTimer(quill::kTaskTimerId);
        // The user clicks back into the window after the reminder has gone.
        desktop.Activate(*frame);
        WaitUntil([] { return false; }, 300);
        return shown;
    }

    QDateTime m_now;
};

TEST_F(ReminderActivationTest, AReminderShownThisMinuteStaysShownButAnEditedTaskComesUp) {
    ASSERT_EQ(RemindersShown(), QStringList{QStringLiteral("due now")});

    SwitchAwayAndBack([] {});
    EXPECT_TRUE(RemindersShown().isEmpty());

    SwitchAwayAndBack([&] {
        run.Write(QStringLiteral("Data/qmtasks.qbx"),
                  Line(m_now, "due now") + Line(m_now, "an hour ago"));
    });
    EXPECT_EQ(RemindersShown(), QStringList{QStringLiteral("an hour ago")});
}

} // namespace
