#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CToolbarCustomizeDlg.h"
#include "frame/CommandTable.h"
#include "frame/FrameCommands.h"
#include "frame/FrameToolBar.h"
#include "frame/FrameTray.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"
#include "views/CQuillboxDoc.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
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
    QToolButton* LevelsButton() {
        return ToolBar().findChild<QToolButton*>(QStringLiteral("transparenceButton"));
    }

    RunFolder run;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
};

TEST_F(FrameWindowTest, MenusCheckWhatIsCurrentAndTheTrayFollowsTheNotificationArea) {
    QMenu* context = FramePart<FrameToolBar>(*frame).ContextMenu();
    emit context->aboutToShow();
    EXPECT_TRUE(context->actions()[0]->isChecked());
    context->actions()[0]->setChecked(false);
    EXPECT_FALSE(ToolBar().isVisibleTo(frame));

    FrameTray& tray = FramePart<FrameTray>(*frame);
    QMenu* menu = tray.Menu();
    QMenu* levels = menu->actions()[1]->menu();
    ASSERT_NE(LevelsButton(), nullptr);
    EXPECT_EQ(LevelsButton()->menu()->actions(), levels->actions());
    emit menu->aboutToShow();
    EXPECT_EQ(Texts(menu->actions(), true), QStringList({"S&how window"}));
    EXPECT_EQ(Texts(levels->actions(), true), QStringList({"&80%"}));
    levels->actions()[2]->trigger(); // "&40%"
    emit levels->aboutToShow();
    EXPECT_EQ(Texts(levels->actions(), true), QStringList({"&40%"}));

    tray.OnTrayNotify(QSystemTrayIcon::Trigger); // left click hides
    EXPECT_FALSE(frame->isVisible());
    emit menu->aboutToShow();
    EXPECT_EQ(Texts(menu->actions(), true), QStringList({"&Hide window"}));
    tray.CheckTrayPresence(true);
    EXPECT_FALSE(frame->isVisible());
    tray.CheckTrayPresence(false); // no notification area: the window comes back
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(FrameWindowTest, CustomisingMovesButtonsAddsSeparatorsAndIsKept) {
    FramePart<FrameToolBar>(*frame).SetButtons({57634, 32837});
    frame->Action(quill::kCustomizeCommand)->trigger();
    auto* dialog = frame->findChild<CToolbarCustomizeDlg*>();
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("buttons"));
    auto click = [dialog](const char* name) {
        dialog->findChild<QPushButton*>(QLatin1String(name))->click();
    };
    list->setCurrentRow(1); // "Settings"
    click("up");
    click("up"); // the first row cannot go higher
    click("separator");
    EXPECT_EQ(QtProfile().ReadString("Settings", "Standard toolbar buttons"), "32837,0,57634");
    EXPECT_EQ(Texts(ToolBar().actions()), QStringList({"&Settings", "-", "Copy"}));
    click("reset"); // the rebuilt levels button keeps its menu
    EXPECT_EQ(LevelsButton()->menu(), FramePart<FrameCommands>(*frame).LevelMenu());
    dialog->close();
}

TEST_F(FrameWindowTest, AFailedSaveIsToldCalmlyNamingTheFile) {
    const QString path = run.File(QStringLiteral("Data/qmlinks.qbx"));
    QFile::remove(path);
    QDir(run.Path()).mkpath(QStringLiteral("Data/qmlinks.qbx")); // a folder cannot be replaced
    ModalScript script;
    script.Then("quillmarkMessage", [&](QWidget& box) {
        auto& message = static_cast<QMessageBox&>(box);
        EXPECT_TRUE(message.text().contains(QDir::toNativeSeparators(path)))
            << message.text().toStdString();
        message.button(QMessageBox::Ok)->click();
    });
    app.GetDocument()->Store().SaveLinks();
    EXPECT_TRUE(script.Done());
}

} // namespace
