#include "core/frame/CommandTable.h"
#include "core/frame/ToolbarLayout.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/frame/CToolbarCustomizeDlg.h"
#include "gui/frame/FrameCommands.h"
#include "gui/frame/FrameToolBar.h"
#include "gui/frame/FrameTray.h"
#include "gui/views/CQuillboxDoc.h"
#include "profile/QtProfile.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

QStringList Texts(const QList<QAction*>& actions, bool checkedOnly = false) {
    QStringList texts;
    for (QAction* action : actions) {
        if (!checkedOnly || action->isChecked()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return texts;
}

struct FrameWindowTest : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
    }
    QToolBar& ToolBar() { return *FramePart<FrameToolBar>(*frame).ToolBar(); }
    QToolButton* LevelsButton() { return ToolBar().findChild<QToolButton*>("transparenceButton"); }

    RunFolder run;
    CQuillboxApp app{run.Path()};
    CMainFrame* frame = nullptr;
};

TEST_F(FrameWindowTest, TheToolbarsContextMenuHidesTheToolbar) {
    QMenu* context = FramePart<FrameToolBar>(*frame).ContextMenu();
    emit context->aboutToShow();
    EXPECT_TRUE(context->actions()[0]->isChecked());
    context->actions()[0]->setChecked(false);
    EXPECT_FALSE(ToolBar().isVisibleTo(frame));
}

TEST_F(FrameWindowTest, TheTrayMenuMarksTheShownStateAndTheChosenLevel) {
    QMenu* menu = FramePart<FrameTray>(*frame).Menu();
    QMenu* levels = menu->actions()[1]->menu();
    EXPECT_EQ(LevelsButton()->menu()->actions(), levels->actions());
    emit menu->aboutToShow();
    EXPECT_EQ(Texts(menu->actions(), true), QStringList({"S&how window"}));
    EXPECT_EQ(Texts(levels->actions(), true), QStringList({"&80%"}));
    levels->actions()[2]->trigger(); // "&40%"
    emit levels->aboutToShow();
    EXPECT_EQ(Texts(levels->actions(), true), QStringList({"&40%"}));
}

TEST_F(FrameWindowTest, TheTrayFollowsTheNotificationAreaGoingAndComing) {
    FrameTray& tray = FramePart<FrameTray>(*frame);
    frame->showMinimized(); // by the window manager, as KWin hides a tool window
    tray.OnTrayNotify(QSystemTrayIcon::Trigger); // a left click shows what is not on screen
    EXPECT_TRUE(frame->isVisible() && !frame->isMinimized());
    tray.OnTrayNotify(QSystemTrayIcon::Trigger); // and hides what is
    EXPECT_FALSE(frame->isVisible());
    emit tray.Menu()->aboutToShow();
    EXPECT_EQ(Texts(tray.Menu()->actions(), true), QStringList({"&Hide window"}));
    tray.CheckTrayPresence(true);
    EXPECT_FALSE(frame->isVisible());
    // No notification area: an ordinary window, hidden as minimised, with the
    // tray menu in the window.
    tray.findChild<QTimer*>("trayPresenceWatch")->stop(); // the real tray stays
    tray.CheckTrayPresence(false);
    EXPECT_TRUE(WaitUntil([&] { return frame->isVisible() && frame->isMinimized(); }));
    EXPECT_EQ(frame->windowType(), Qt::Window);
    EXPECT_TRUE(tray.MenuButton()->isVisibleTo(frame));
    EXPECT_EQ(tray.MenuButton()->menu()->actions().size(), tray.Menu()->actions().size());
    tray.CheckTrayPresence(true); // a tray came: the hidden window goes back into it
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(frame->windowType(), Qt::Tool);
    EXPECT_FALSE(tray.MenuButton()->isVisibleTo(frame));
}

TEST_F(FrameWindowTest, CustomisingTheToolbarStoresTheOrderAndKeepsTheLevelsMenu) {
    FramePart<FrameToolBar>(*frame).SetButtons({quill::kCopyCommand, quill::kSettingsCommand});
    frame->Action(quill::kCustomizeCommand)->trigger();
    auto* dialog = frame->findChild<CToolbarCustomizeDlg*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QListWidget*>(QStringLiteral("buttons"))->setCurrentRow(1); // "Settings"
    for (const char* button : {"up", "up", "separator"}) { // the first row cannot go higher
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    }
    EXPECT_EQ(QtProfile().ReadString("Settings", "Standard toolbar buttons"),
              QString::asprintf("%d,%d,%d", quill::kSettingsCommand, quill::kToolbarSeparator,
                                quill::kCopyCommand)
                  .toStdString());
    EXPECT_EQ(Texts(ToolBar().actions()), QStringList({"&Settings", "-", "Copy"}));
    // The rebuilt levels button keeps its menu.
    dialog->findChild<QPushButton*>(QStringLiteral("reset"))->click();
    EXPECT_EQ(LevelsButton()->menu(), FramePart<FrameCommands>(*frame).LevelMenu());
    dialog->close();
}

TEST_F(FrameWindowTest, AFailedSaveIsToldCalmlyNamingTheFile) {
    const QString path = run.File(QStringLiteral("Data/qmlinks.qbx"));
    QFile::remove(path);
    QDir(run.Path()).mkpath(QStringLiteral("Data/qmlinks.qbx")); // a folder cannot be replaced
    ModalScript script;
    script.Then("quillmarkMessage", [&](QWidget& box) {
        const QString text = static_cast<QMessageBox&>(box).text();
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path) +
                                  QStringLiteral(":\nit is not an ordinary file")))
            << text.toStdString();
        static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
    });
    app.GetDocument()->Store().SaveLinks();
    EXPECT_TRUE(script.Done());
}

} // namespace
