#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/CToolbarCustomizeDlg.h"
#include "frame/FrameParts.h"
#include "frame/FrameTimerIds.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"
#include "views/CQuillboxDoc.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using quill::test::ModalScript;
using quill::test::RunFolder;
using quill::test::WaitUntil;

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QStringList Checked(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isChecked()) {
            texts << action->text();
        }
    }
    return texts;
}

class FrameWindowTest : public ::testing::Test {
protected:
    void Start() {
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        parts = frame->Parts();
        ASSERT_NE(parts, nullptr);
    }

    RunFolder run;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
    FrameParts* parts = nullptr;
};

TEST_F(FrameWindowTest, ToolWindowOnTopWithoutMenuBarAndTheStandardToolbar) {
    Start();
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(frame->menuWidget(), nullptr);

    QToolBar* toolBar = parts->toolBar.ToolBar();
    EXPECT_EQ(toolBar->windowTitle(), "Standard");
    QStringList tips;
    for (QAction* action : toolBar->actions()) {
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    }
    EXPECT_EQ(tips,
              QStringList({"Settings", "Save", "-", "Cut", "Copy", "Paste", "-", "Transparence"}));

    auto* levels = toolBar->findChild<QToolButton*>(QStringLiteral("transparenceButton"));
    ASSERT_NE(levels, nullptr);
    ASSERT_NE(levels->menu(), nullptr);
    EXPECT_EQ(Texts(levels->menu()->actions()),
              QStringList({"&No", "&20%", "&40%", "&60%", "&80%"}));
    EXPECT_EQ(levels->isEnabled(), parts->transparency.Available());
    ModalScript script; // button 1 and the tray's "&Settings" open the settings dialog
    script.Then("settingsDialog", [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Quillmark settings");
        quill::test::ClickButton(dialog, "cancelButton");
    });
    parts->commands.Action(32837)->trigger();
    EXPECT_TRUE(script.Done());

    // The toolbar's context menu, and "Standard Toolbar" hiding and showing it.
    QMenu* context = parts->toolBar.ContextMenu();
    EXPECT_EQ(Texts(context->actions()), QStringList({"Standard Toolbar", "-", "&Customize..."}));
    emit context->aboutToShow();
    EXPECT_TRUE(context->actions()[0]->isChecked());
    context->actions()[0]->setChecked(false);
    EXPECT_FALSE(toolBar->isVisibleTo(frame));
    context->actions()[0]->setChecked(true);
    EXPECT_TRUE(toolBar->isVisibleTo(frame));
}

TEST_F(FrameWindowTest, CustomisedButtonsAreKeptAndResetBringsTheDropDownBack) {
    Start();
    parts->toolBar.SetButtons({57634, 0, 32837});
    EXPECT_EQ(QtProfile().ReadString("Settings", "Standard toolbar buttons"), "57634,0,32837");
    EXPECT_EQ(parts->toolBar.ToolBar()->actions().size(), 3);

    parts->toolBar.OnCustomize();
    auto* dialog = frame->findChild<CToolbarCustomizeDlg*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("reset"))->click();
    EXPECT_EQ(parts->toolBar.ToolBar()->actions().size(), 8);
    auto* levels =
        parts->toolBar.ToolBar()->findChild<QToolButton*>(QStringLiteral("transparenceButton"));
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->menu(), parts->commands.LevelMenu());
    dialog->close();
}

TEST_F(FrameWindowTest, TrayMenuItemsAndCheckMarksFollowTheWindowAndTheLevel) {
    Start();
    QMenu* menu = parts->tray.Menu();
    EXPECT_EQ(Texts(menu->actions()),
              QStringList({"&Settings", "Set &transparence", "-", "S&how window", "&Hide window",
                           "Start at login", "-", "&About Quillmark...", "E&xit"}));
    EXPECT_EQ(parts->tray.Icon()->toolTip(), "Quillmark");
    QMenu* levels = menu->actions()[1]->menu();

    frame->State().m_transparency = 80;
    emit menu->aboutToShow();
    EXPECT_EQ(Checked(menu->actions()), QStringList({"S&how window"}));
    EXPECT_EQ(Checked(levels->actions()), QStringList({"&80%"}));

    levels->actions()[2]->trigger(); // "&40%"
    EXPECT_EQ(frame->State().m_transparency, 60);
    emit levels->aboutToShow();
    EXPECT_EQ(Checked(levels->actions()), QStringList({"&40%"}));
    frame->State().m_transparency = 33;
    emit levels->aboutToShow();
    EXPECT_TRUE(Checked(levels->actions()).isEmpty());

    parts->tray.OnTrayNotify(QSystemTrayIcon::Trigger); // left click hides
    EXPECT_FALSE(frame->isVisible());
    emit menu->aboutToShow();
    EXPECT_EQ(Checked(menu->actions()), QStringList({"&Hide window"}));
    parts->tray.OnTrayNotify(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->State().m_bWindowShown);

    // Hidden, then the notification area goes away: the window comes back.
    parts->tray.OnTrayNotify(QSystemTrayIcon::Trigger);
    parts->tray.CheckTrayPresence(true);
    EXPECT_FALSE(frame->isVisible());
    parts->tray.CheckTrayPresence(false);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->State().m_bWindowShown);
}

TEST_F(FrameWindowTest, OpaqueWhileActiveAndTheLevelsAlphaWhileNot) {
    Start();
    if (!parts->transparency.Available()) {
        GTEST_SKIP() << "the window system shows no opacity here";
    }
    frame->State().m_bTrackMouse = false;
    frame->State().m_transparency = 60;
    parts->transparency.OnActivateApp(false);
    EXPECT_EQ(qRound(frame->windowOpacity() * 255), 144);
    parts->transparency.OnActivateApp(true);
    EXPECT_EQ(qRound(frame->windowOpacity() * 255), 255);
    frame->State().m_transparency = 1;
    parts->transparency.OnActivateApp(false);
    EXPECT_EQ(qRound(frame->windowOpacity() * 255), 255);
}

TEST_F(FrameWindowTest, ADueTaskShowsTheReminderAndDeleteRemovesItFromTheFile) {
    // Stay clear of a minute's end, so the task is due when the pass runs.
    WaitUntil([] { return QTime::currentTime().second() < 55; }, 6000);
    const QDateTime now = QDateTime::currentDateTime();
    run.Write(QStringLiteral("Data/qmtasks.qbx"),
              "01.01.2000|10:00|old\r\n" +
                  now.toString(QStringLiteral("dd.MM.yyyy|HH:mm")).toUtf8() + "|Call the bank\r\n");
    Start();
    ASSERT_EQ(frame->State().m_tasks.size(), 2u);
    QSignalSpy viewUpdates(frame->m_pDocument, &CQuillboxDoc::ViewsUpdateRequested);

    QString caption;
    QString comment;
    ModalScript script;
    script.Then("taskReminderDlg", [&](QWidget& modal) {
        caption = modal.windowTitle();
        comment = modal.findChild<QPlainTextEdit*>(QStringLiteral("comment"))->toPlainText();
        QTest::mouseClick(modal.findChild<QPushButton*>(QStringLiteral("delete")), Qt::LeftButton);
    });
    parts->timers.OnTimer(quill::kTaskTimerId);

    EXPECT_EQ(caption, "Task");
    EXPECT_EQ(comment, "Call the bank");
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")), "01.01.2000|10:00|old\r\n");
    EXPECT_EQ(frame->State().m_tasks.size(), 1u);
    // The dialog may also move activation about, which redraws as well.
    EXPECT_GE(viewUpdates.count(), 1);

    ASSERT_TRUE(script.Done());
    script.Then("taskReminderDlg", [](QWidget& modal) {
        ADD_FAILURE() << "nothing more is due";
        quill::test::ClickButton(modal, "ok");
    });
    parts->timers.OnTimer(quill::kTaskTimerId);
}

} // namespace
