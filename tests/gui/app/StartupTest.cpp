#include "QtProfile.h"
#include "app/CAboutDlg.h"
#include "app/CQuillboxApp.h"
#include "app/QtProgramRunner.h"
#include "frame/CMainFrame.h"
#include "frame/FrameCommands.h"
#include "integration/BrowserMenuEntry.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

using quill::test::ModalScript;
using quill::test::RunFolder;

struct IgnoredMenuEntry : quill::BrowserMenuEntry {
    void Apply(bool, const std::string&) override {}
};

// Writes a small program named regedit.exe into folder that appends a line to log.
void PlantRegistryEditor(const QString& folder, const QString& log, const QString& line) {
    QFile script(folder + QStringLiteral("/regedit.exe"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" >> '%2'\n").arg(line, log).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther |
                          QFile::ReadOther);
}

// Two starts, then a third after "IsOpened" was set to "True", which counts as a first run.
TEST(Startup, FirstRunImportRunsTheEditorInTheWindowsFolderOnFirstRunsOnly) {
    RunFolder run;
    QDir(run.Path()).mkpath(QStringLiteral("Windows"));
    const QString log = run.File(QStringLiteral("runs.log"));
    PlantRegistryEditor(run.File(QStringLiteral("Windows")), log, QStringLiteral("windows"));
    PlantRegistryEditor(run.Path(), log, QStringLiteral("planted"));

    QtProfile profile;
    QtProgramRunner runner;
    IgnoredMenuEntry entry;
    const std::string windows = run.File(QStringLiteral("Windows")).toStdString();
    for (int start = 0; start < 3; ++start) {
        if (start == 2) {
            profile.WriteString("Status", "IsOpened", "True");
        }
        CMainFrame frame(profile, {profile, runner, entry, run.Path().toStdString(), windows});
        EXPECT_EQ(frame.State().m_bFirstRun, start != 1);
    }

    EXPECT_EQ(run.Read(QStringLiteral("runs.log")), "windows /s state.reg\nwindows /s state.reg\n");
}

TEST(Startup, EmptyProfileGivesDefaultsANormalExitStoresThemAndChangesAreReadBack) {
    RunFolder run;
    for (int start = 0; start < 2; ++start) {
        CQuillboxApp app;
        ASSERT_TRUE(app.InitInstance());
        quill::MainFrameState& state = app.GetMainFrame()->State();
        EXPECT_EQ(state.m_bFirstRun, start == 0);
        EXPECT_EQ(state.m_bIntegrate, start == 0);
        EXPECT_EQ(state.m_transparency, start == 0 ? 80 : 20);
        EXPECT_TRUE(state.m_bTrackMouse);
        state.m_bIntegrate = false;
        state.m_transparency = 20;
        app.ExitInstance(0);
    }
    EXPECT_TRUE(QFile::exists(run.File(QStringLiteral("Data/qmlinks.qbx"))));
    EXPECT_TRUE(QFile::exists(run.File(QStringLiteral("Data/qmtasks.qbx"))));
    QtProfile profile;
    EXPECT_EQ(profile.ReadString("Status", "IsOpened"), "true");
    EXPECT_EQ(profile.ReadInt("Status", "Integrate"), 0);
    EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), 1);
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), 20);
}

TEST(Startup, WindowHasTheThreeTabsInOrderAndTheCaptionFollowsTheDocument) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();

    ASSERT_NE(frame->m_pTabView, nullptr);
    ASSERT_EQ(frame->m_pDocument, app.GetDocument());
    ASSERT_EQ(frame->m_pTabView->count(), 3);
    EXPECT_EQ(frame->m_pTabView->tabText(0), "Notes");
    EXPECT_EQ(frame->m_pTabView->tabText(1), "Links");
    EXPECT_EQ(frame->m_pTabView->tabText(2), "Tasks");

    frame->m_pDocument->SetTitle(QStringLiteral("Links"));
    EXPECT_EQ(frame->windowTitle(), "Links - Quillmark");

    // Ctrl+N leaves the frame and its views in place.
    app.GetMainFrame()->Action(FrameCommands::kNewDocument)->trigger();
    EXPECT_EQ(frame->m_pTabView->count(), 3);
}

TEST(Startup, AboutBoxShowsTheVersionAndClosesWithOk) {
    QString version;
    ModalScript script;
    script.Then("aboutDialog", [&](QWidget& dialog) {
        version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
        quill::test::ClickButton(dialog, "okButton");
    });
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Quillmark");
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(version, "Quillmark Version 1.0");
}

} // namespace
