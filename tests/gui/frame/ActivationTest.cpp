// The program coming back to the front re-reads both data files; going to the
// back stores the note. Real focus changes between real windows under X11.
#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameTimers.h"
#include "support/DesktopActivation.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"
#include "views/CNotesView.h"
#include "views/CPageView.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using quill::test::ClickButton;
using quill::test::DesktopActivation;
using quill::test::FramePart;
using quill::test::ModalScript;
using quill::test::PageHtml;
using quill::test::RunFolder;
using quill::test::TabView;
using quill::test::WaitUntil;

class ActivationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DesktopActivation::Available()) {
            GTEST_SKIP() << "needs an X11 desktop with xdotool and xmessage";
        }
        run.CopyShippedData();
        run.Write(QStringLiteral("Data/qmlinks.qbx"), "first.org|first\r\n");
        run.Write(QStringLiteral("Data/qmtasks.qbx"), "01.01.2030|10:00|task one\r\n");
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        ASSERT_TRUE(desktop.Activate(*frame));
        ASSERT_TRUE(
            WaitUntil([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }));
    }

    // Shows a page tab and returns its page once it holds text.
    QString ShownPage(int tab, const char* expected) {
        TabView(*frame).setCurrentIndex(tab);
        auto* view = qobject_cast<CPageView*>(TabView(*frame).widget(tab));
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

// Going inactive stores the note and leaves the lists alone; edits made while
// inactive are read on activation.
TEST_F(ActivationTest, NoteIsStoredOnDeactivationAndOutsideEditsReadOnActivation) {
    EXPECT_TRUE(ShownPage(1, "first.org").contains(QLatin1String("first.org")));
    QSignalSpy redraws(app.GetDocument(), &CQuillboxDoc::ViewsUpdateRequested);
    frame->findChild<CNotesView*>(QStringLiteral("notesView"))
        ->setPlainText(QStringLiteral("written before switching away"));
    app.GetDocument()->Store().Links().push_back({"unsaved.org", "only in memory"});

    SwitchAwayAndBack([&] {
        EXPECT_EQ(QtProfile().ReadString("Status", "Note text"), "written before switching away");
        EXPECT_EQ(app.GetDocument()->Store().Links().size(), 2u);
        run.Write(QStringLiteral("Data/qmlinks.qbx"), "edited.org|from outside\r\nb.org|two\r\n");
        QFile::remove(run.File(QStringLiteral("Data/qmtasks.qbx")));
    });

    ASSERT_EQ(app.GetDocument()->Store().Links().size(), 2u);
    EXPECT_EQ(app.GetDocument()->Store().Links()[0].m_address, "edited.org");
    EXPECT_TRUE(app.GetDocument()->Store().Tasks().empty());
    EXPECT_TRUE(QFile::exists(run.File(QStringLiteral("Data/qmtasks.qbx"))));
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")), "");
    EXPECT_GE(redraws.count(), 1);
    // The visible Links page redrew at once; the hidden Tasks page when shown.
    const QString links = ShownPage(1, "edited.org");
    EXPECT_TRUE(links.contains(QLatin1String("b.org")));
    EXPECT_FALSE(links.contains(QLatin1String("first.org")));
    EXPECT_FALSE(ShownPage(2, "Add task").contains(QLatin1String("task one")));
}

} // namespace
