// The program coming back to the front re-reads both data files; going to the
// back stores the note. Real focus changes between real windows under X11.
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "settings/QtProfile.h"
#include "support/DesktopActivation.h"
#include "support/RunFolder.h"
#include "views/CNotesView.h"
#include "views/CQuillboxDoc.h"

#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using quill::test::DesktopActivation;
using quill::test::RunFolder;
using quill::test::WaitFor;

class ActivationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DesktopActivation::Available()) {
            GTEST_SKIP() << "needs an X11 desktop with xdotool and xmessage";
        }
        run.Write(QStringLiteral("Data/qmlinks.qbx"), "first.org|first\r\n");
        run.Write(QStringLiteral("Data/qmtasks.qbx"), "01.01.2030|10:00|task\r\n");
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        ASSERT_TRUE(desktop.Activate(*frame));
        ASSERT_TRUE(
            WaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }));
    }

    void SwitchAwayAndBack(const std::function<void()>& whileAway) {
        ASSERT_TRUE(desktop.ActivateOther());
        ASSERT_TRUE(
            WaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }));
        whileAway();
        ASSERT_TRUE(desktop.Activate(*frame));
        ASSERT_TRUE(
            WaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }));
    }

    RunFolder run;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
    DesktopActivation desktop;
};

TEST_F(ActivationTest, EditsMadeWhileInactiveAreReadOnActivation) {
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
}

TEST_F(ActivationTest, GoingInactiveStoresTheNoteAndLeavesTheListsAlone) {
    auto* notes = frame->findChild<CNotesView*>(QStringLiteral("notesView"));
    notes->setPlainText(QStringLiteral("written before switching away"));
    frame->State().m_links.push_back({"unsaved.org", "only in memory"});

    ASSERT_TRUE(desktop.ActivateOther());
    ASSERT_TRUE(
        WaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }));

    EXPECT_EQ(frame->State().m_links.size(), 2u);
    QtProfile fresh;
    EXPECT_EQ(fresh.ReadString("Status", "Note text"), "written before switching away");
}

} // namespace
