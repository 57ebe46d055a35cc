// The program as the desktop starts it: command line, later starts reaching
// the running instance, start at login.
#include "app/CQuillboxApp.h"
#include "app/SingleInstance.h"
#include "frame/CommandTable.h"
#include "frame/FrameCommands.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

struct Finished {
    int exitCode = -1; // -1: still running after 30 s
    QByteArray out, err;
};

// Runs the real program to its end, keeping this process's event loop going
// so an instance running here can answer it.
Finished RunProgram(const QStringList& arguments, const char* platform = nullptr) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (platform != nullptr) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
    } else { // no desktop at all
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
    }
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
    EXPECT_EQ(RunProgram({"--version"}).out, "Quillmark 1.0\n");
    EXPECT_TRUE(RunProgram({"--help"}).out.contains("--toggle"));
    for (const auto& [arguments, code] : std::vector<std::pair<QStringList, int>>{
             {{"--version"}, 0}, {{"--hide", "--show"}, 2}, {{"--frobnicate"}, 2}}) {
        EXPECT_EQ(RunProgram(arguments).exitCode, code) << arguments.join(' ').toStdString();
    }
    const Finished headless = RunProgram({});
    EXPECT_EQ(headless.exitCode, 1);
    EXPECT_EQ(headless.err.count('\n'), 1) << headless.err.constData();
    EXPECT_TRUE(headless.err.contains("needs a desktop session"));
}

// Later starts reach the running instance, which acts on its window; Ctrl+N
// leaves the window's views in place; the tray's start-at-login item writes
// an entry that starts the program in this working folder again.
TEST(RunningInstance, ActsOnLaterStartsAndTheStartAtLoginItem) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    SingleInstance instance;
    ASSERT_EQ(instance.Start(quill::InstanceRequest::Show, 0), SingleInstance::Outcome::First);
    ASSERT_TRUE(instance.Listen());
    QObject::connect(&instance, &SingleInstance::Requested, &app, &CQuillboxApp::OnInstanceRequest);
    CMainFrame* frame = app.GetMainFrame();
    for (const auto& [arguments, shown] : std::vector<std::pair<QStringList, bool>>{
             {{"--hide"}, false}, {{"--toggle"}, true}, {{"--toggle"}, false}, {{}, true}}) {
        EXPECT_EQ(RunProgram(arguments, "offscreen").exitCode, 0)
            << arguments.join(' ').toStdString();
        EXPECT_EQ(frame->isVisible(), shown) << arguments.join(' ').toStdString();
        EXPECT_EQ(FramePart<FrameCommands>(*frame).WindowShown(), shown);
    }
    frame->Action(quill::kNewDocumentCommand)->trigger();
    EXPECT_EQ(TabView(*frame).count(), 3);

    QAction* item = frame->findChild<QAction*>(QStringLiteral("startAtLoginAction"));
    const QString entry = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/quillmark.desktop";
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains(("\nExec=" + QCoreApplication::applicationFilePath()).toUtf8()));
    EXPECT_TRUE(text.contains(("\nPath=" + run.Path() + "\n").toUtf8())) << text.constData();
    item->trigger();
    EXPECT_FALSE(item->isChecked() || QFile::exists(entry));
}

} // namespace
