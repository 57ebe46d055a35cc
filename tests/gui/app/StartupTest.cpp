#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "app/QtProgramRunner.h"
#include "frame/CMainFrame.h"
#include "frame/CommandTable.h"
#include "settings/BrowserMenuEntry.h"
#include "support/FrameAccess.h"
#include "support/GuiTestEnvironment.h"
#include "support/RunFolder.h"
#include "views/CQuillboxDoc.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using quill::test::RunFolder;

struct IgnoredMenuEntry : quill::BrowserMenuEntry {
    void Apply(bool, const std::string&) override {}
};

// A registry editor in the Windows folder and a decoy in the working folder,
// each logging its runs: only the first is run.
TEST(Startup, FirstRunImportRunsTheEditorInTheWindowsFolder) {
    RunFolder run;
    QDir(run.Path()).mkpath(QStringLiteral("Windows"));
    for (const QString& name : {QStringLiteral("Windows"), QStringLiteral(".")}) {
        const QString editor = run.File(name + "/regedit.exe");
        run.Write(name + "/regedit.exe", QStringLiteral("#!/bin/sh\necho \"%1 $*\" >> '%2'\n")
                                             .arg(name, run.File(QStringLiteral("runs.log")))
                                             .toUtf8());
        QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QtProfile profile;
    QtProgramRunner runner;
    IgnoredMenuEntry entry;
    CQuillboxDoc document;
    CMainFrame frame(profile, document,
                     {profile, runner, entry, run.Path().toStdString(),
                      run.File(QStringLiteral("Windows")).toStdString()});
    EXPECT_EQ(run.Read(QStringLiteral("runs.log")), "Windows /s state.reg\n");
}

TEST(Startup, WindowHasTheThreeTabsInOrderAndKeepsThemOnANewDocument) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    QTabWidget& tabs = quill::test::TabView(*frame);
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(QStringList({tabs.tabText(0), tabs.tabText(1), tabs.tabText(2)}),
              QStringList({"Notes", "Links", "Tasks"}));
    EXPECT_EQ(frame->windowTitle(), "Notes - Quillmark");
    // Ctrl+N leaves the frame and its views in place.
    frame->Action(quill::kNewDocumentCommand)->trigger();
    EXPECT_EQ(tabs.count(), 3);
}

// Strings beginning with "@" are not decoded as values; odd values written by hand read as absent.
TEST(QtProfile, StringsReadBackUnchangedAndOddNumbersReadAsAbsent) {
    RunFolder run;
    const std::string texts[] = {"@Variant(abc)", "@Rect(1 2 3 4)", "@", "a=b;c\\d", "line\nbreak"};
    for (const std::string& text : texts) {
        QtProfile().WriteString("Status", "Text", text);
        EXPECT_EQ(QtProfile().ReadString("Status", "Text"), text);
    }
    QFile file(quill::test::GuiTestEnvironment::ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Status]\nPercent=lots\nIntegrate= 0 \nTrack%20mouse=1\n");
    file.close();
    QtProfile profile;
    profile.Refresh();
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), std::nullopt);
    EXPECT_EQ(profile.ReadInt("Status", "Integrate"), 0);
    EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), 1);
    EXPECT_EQ(profile.ReadInt("Status", "Absent"), std::nullopt);
}

} // namespace
