#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "app/QtProgramRunner.h"
#include "frame/CAboutDlg.h"
#include "frame/CMainFrame.h"
#include "frame/CommandTable.h"
#include "settings/BrowserMenuEntry.h"
#include "settings/Transparency.h"
#include "support/FrameAccess.h"
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
        CQuillboxDoc document;
        CMainFrame frame(profile, document,
                         {profile, runner, entry, run.Path().toStdString(), windows});
        EXPECT_EQ(frame.Settings().firstRun, start != 1);
    }

    EXPECT_EQ(run.Read(QStringLiteral("runs.log")), "windows /s state.reg\nwindows /s state.reg\n");
}

TEST(Startup, WindowHasTheThreeTabsInOrderAndTheCaptionFollowsTheDocument) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();

    QTabWidget& tabs = quill::test::TabView(*frame);
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.tabText(0), "Notes");
    EXPECT_EQ(tabs.tabText(1), "Links");
    EXPECT_EQ(tabs.tabText(2), "Tasks");
    EXPECT_EQ(frame->windowTitle(), "Notes - Quillmark");

    tabs.setCurrentIndex(2);
    EXPECT_EQ(frame->windowTitle(), "Tasks - Quillmark");

    // Ctrl+N leaves the frame and its views in place.
    frame->Action(quill::kNewDocumentCommand)->trigger();
    EXPECT_EQ(tabs.count(), 3);
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
