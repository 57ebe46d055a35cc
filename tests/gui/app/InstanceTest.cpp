// The program as the desktop starts it: command line, later starts reaching
// the running instance, start at login.
#include "app/CQuillboxApp.h"
#include "app/SingleInstance.h"
#include "frame/CMainFrame.h"
#include "frame/FrameCommands.h"
#include "support/FrameAccess.h"
#include "support/GuiTestEnvironment.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using quill::InstanceRequest;
using quill::test::RunFolder;
using quill::test::WaitUntil;

struct Finished {
    int exitCode = -1; // -1: still running after 30 s
    QByteArray out, err;
};

// Runs the real program to its end, keeping this process's event loop going
// so an instance running here can answer it.
Finished RunProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLMARK_PROGRAM), arguments);
    if (!WaitUntil([&] { return program.state() == QProcess::NotRunning; }, 30000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2,
            program.readAllStandardOutput(), program.readAllStandardError()};
}

TEST(CommandLine, HelpAndVersionNeedNoDisplayAndAStartWithoutOneSaysSoInOneLine) {
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        bare.remove(QString::fromLatin1(name));
    }
    const Finished version = RunProgram({"--version"}, bare);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Quillmark 1.0\n");
    const Finished help = RunProgram({"--help"}, bare);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--toggle"));
    EXPECT_EQ(RunProgram({"--hide", "--show"}, bare).exitCode, 2);
    EXPECT_EQ(RunProgram({"--frobnicate"}, bare).exitCode, 2);
    const Finished headless = RunProgram({}, bare);
    EXPECT_EQ(headless.exitCode, 1);
    EXPECT_EQ(headless.err.count('\n'), 1) << headless.err.constData();
    EXPECT_TRUE(headless.err.contains("needs a desktop session"));
}

TEST(SecondStart, ReachesTheRunningInstanceWhichActsOnItsWindowAndEndsWithZero) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    SingleInstance instance;
    ASSERT_EQ(instance.Start(InstanceRequest::Show, 0), SingleInstance::Outcome::First);
    ASSERT_TRUE(instance.Listen());
    QObject::connect(&instance, &SingleInstance::Requested, &app, &CQuillboxApp::OnInstanceRequest);
    CMainFrame* frame = app.GetMainFrame();
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    for (const auto& [arguments, shown] :
         std::vector<std::pair<QStringList, bool>>{{{"--hide"}, false},
                                                   {{"--toggle"}, true},
                                                   {{"--toggle"}, false},
                                                   {{}, true},
                                                   {{"--show"}, true}}) {
        EXPECT_EQ(RunProgram(arguments, offscreen).exitCode, 0)
            << arguments.join(' ').toStdString();
        EXPECT_EQ(frame->isVisible(), shown) << arguments.join(' ').toStdString();
        EXPECT_EQ(quill::test::FramePart<FrameCommands>(*frame).WindowShown(), shown);
    }
}

TEST(StartAtLogin, TheTrayItemWritesAndRemovesTheAutostartEntry) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    QAction* item = app.GetMainFrame()->findChild<QAction*>(QStringLiteral("startAtLoginAction"));
    ASSERT_NE(item, nullptr);
    const QString entry =
        quill::test::GuiTestEnvironment::ConfigFolder() + "/autostart/quillmark.desktop";
    ASSERT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains(("\nExec=" + QCoreApplication::applicationFilePath()).toUtf8()))
        << text.constData();
    // Started in the run folder, which holds Data: the entry starts it there again.
    EXPECT_TRUE(text.contains(("\nPath=" + run.Path() + "\n").toUtf8())) << text.constData();
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(QFile::exists(entry));
}

} // namespace
