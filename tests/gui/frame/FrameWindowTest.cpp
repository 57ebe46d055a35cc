#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CToolbarCustomizeDlg.h"
#include "frame/CommandTable.h"
#include "frame/FrameCommands.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameTimers.h"
#include "frame/FrameToolBar.h"
#include "frame/FrameTransparency.h"
#include "frame/FrameTray.h"
#include "settings/Transparency.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"
#include "views/CQuillboxDoc.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
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
    void Start() {
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
    }
    QToolBar& ToolBar() { return *FramePart<FrameToolBar>(*frame).ToolBar(); }

    RunFolder run;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
};

TEST_F(FrameWindowTest, ToolbarAndMenusShowTheCommandsWithTheirCheckMarks) {
    Start();
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(frame->menuWidget(), nullptr);
    QStringList tips;
    for (QAction* action : ToolBar().actions()) {
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    }
    EXPECT_EQ(tips,
              QStringList({"Settings", "Save", "-", "Cut", "Copy", "Paste", "-", "Transparence"}));
    auto* levels = ToolBar().findChild<QToolButton*>(QStringLiteral("transparenceButton"));
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->isEnabled(), FramePart<FrameTransparency>(*frame).Available());
    QMenu* context = FramePart<FrameToolBar>(*frame).ContextMenu();
    EXPECT_EQ(Texts(context->actions()), QStringList({"Standard Toolbar", "-", "&Customize..."}));
    emit context->aboutToShow();
    EXPECT_TRUE(context->actions()[0]->isChecked());
    context->actions()[0]->setChecked(false);
    EXPECT_FALSE(ToolBar().isVisibleTo(frame));

    FrameTray& tray = FramePart<FrameTray>(*frame);
    QMenu* menu = tray.Menu();
    EXPECT_EQ(Texts(menu->actions()),
              QStringList({"&Settings", "Set &transparence", "-", "S&how window", "&Hide window",
                           "Start at login", "-", "&About Quillmark...", "E&xit"}));
    EXPECT_EQ(tray.Icon()->toolTip(), "Quillmark");
    QMenu* trayLevels = menu->actions()[1]->menu();
    EXPECT_EQ(levels->menu()->actions(), trayLevels->actions());
    emit menu->aboutToShow();
    EXPECT_EQ(Texts(menu->actions(), true), QStringList({"S&how window"}));
    EXPECT_EQ(Texts(trayLevels->actions(), true), QStringList({"&80%"}));
    trayLevels->actions()[2]->trigger(); // "&40%"
    emit trayLevels->aboutToShow();
    EXPECT_EQ(Texts(trayLevels->actions(), true), QStringList({"&40%"}));
    EXPECT_EQ(frame->Settings().transparency, 60);

    tray.OnTrayNotify(QSystemTrayIcon::Trigger); // left click hides
    EXPECT_FALSE(frame->isVisible());
    emit menu->aboutToShow();
    EXPECT_EQ(Texts(menu->actions(), true), QStringList({"&Hide window"}));
    tray.CheckTrayPresence(true);
    EXPECT_FALSE(frame->isVisible());
    tray.CheckTrayPresence(false); // no notification area: the window comes back
    EXPECT_TRUE(frame->isVisible());

    ModalScript script; // button 1 and the tray's "&Settings" open the settings dialog
    script.Then("settingsDialog", [](QWidget& dialog) { ClickButton(dialog, "cancelButton"); });
    frame->Action(quill::kSettingsCommand)->trigger();
    EXPECT_TRUE(script.Done());
}

TEST_F(FrameWindowTest, CustomisingMovesButtonsAddsSeparatorsAndIsKept) {
    Start();
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
    list->setCurrentRow(0);
    click("down");
    EXPECT_EQ(QtProfile().ReadString("Settings", "Standard toolbar buttons"), "0,32837,57634");

    click("reset");
    EXPECT_EQ(ToolBar().actions().size(), 8);
    auto* levels = ToolBar().findChild<QToolButton*>(QStringLiteral("transparenceButton"));
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->menu(), FramePart<FrameCommands>(*frame).LevelMenu());
    dialog->close();
}

TEST_F(FrameWindowTest, AFailedSaveIsToldCalmlyNamingTheFile) {
    Start();
    const QString path = run.File(QStringLiteral("Data/qmlinks.qbx"));
    QFile::remove(path);
    QDir(run.Path()).mkpath(QStringLiteral("Data/qmlinks.qbx")); // a folder cannot be replaced
    QString text;
    ModalScript script;
    script.Then("quillmarkMessage", [&](QWidget& box) {
        text = qobject_cast<QMessageBox*>(&box)->text();
        qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Ok)->click();
    });
    app.GetDocument()->Store().SaveLinks();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path))) << text.toStdString();
}

TEST_F(FrameWindowTest, OpaqueWhileActiveAndTheLevelsAlphaWhileNot) {
    Start();
    auto& transparency = FramePart<FrameTransparency>(*frame);
    if (!transparency.Available()) {
        GTEST_SKIP() << "the window system shows no opacity here";
    }
    frame->Action(quill::kLevel40Command)->trigger(); // stores 60
    transparency.OnActivateApp(false);
    EXPECT_EQ(qRound(frame->windowOpacity() * 255), 144);
    transparency.OnActivateApp(true);
    EXPECT_EQ(qRound(frame->windowOpacity() * 255), 255);
}

} // namespace
