// The program as the desktop starts it: command line, later starts reaching
// the running instance, start at login.
#include "core/frame/CommandTable.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/app/SingleInstance.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

namespace {

using namespace quill::test;

// Runs the real program to its end (exit code, output and errors), serving this
// process's event loop meanwhile; without "NAME=value" settings, with no desktop.
std::pair<int, QByteArray> RunProgram(const QStringList& arguments,
                                      const QStringList& settings = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const QString& setting : settings) {
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(QUILLMARK_PROGRAM), arguments);
    const bool ended = WaitUntil([&] { return program.state() == QProcess::NotRunning; }, 30000);
    program.kill();
    program.waitForFinished();
    return {ended && program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAll()};
}

// A start beside this test's running instance, on a platform that needs no display.
QStringList Offscreen(const QString& more = {}) {
    QStringList settings{"QT_QPA_PLATFORM=offscreen", "DISPLAY=" + qEnvironmentVariable("DISPLAY")};
    return more.isEmpty() ? settings : settings << more;
}

// Help and version need no display; a start without a window system it can
// use says so in one line, before Qt could abort with its own message.
TEST(CommandLine, OptionsAreAnsweredAndWrongOnesRefused) {
    const QStringList waylandAsked{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=quillmark-none"};
    for (const auto& [arguments, settings, code, output] :
         std::vector<std::tuple<QStringList, QStringList, int, QByteArray>>{
             {{"--version"}, {}, 0, "Quillmark 1.0\n"},
             {{"--help"}, {}, 0, "--toggle"},
             {{"--hide", "--show"}, {}, 2, ""},
             {{"--frobnicate"}, {}, 2, ""},
             {{}, {}, 1, "needs a desktop session"},
             {{}, waylandAsked, 1, "quillmark: QT_QPA_PLATFORM asks for wayland, but "}}) {
        const auto [exitCode, out] = RunProgram(arguments, settings);
        EXPECT_EQ(exitCode, code) << arguments.join(' ').toStdString();
        EXPECT_TRUE(out.contains(output)) << out.constData();
        if (code == 1) {
            EXPECT_EQ(out.count('\n'), 1) << out.constData();
        }
    }
}

// Later starts reach the running instance, which acts on its window; Ctrl+N
// leaves the window's views in place; the tray's start-at-login item writes
// an entry that starts the program in this working folder again.
TEST(RunningInstance, ActsOnLaterStartsAndTheStartAtLoginItem) {
    RunFolder run;
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    SingleInstance instance;
    ASSERT_EQ(instance.Start({quill::InstanceRequest::Show}, 0), SingleInstance::Outcome::First);
    ASSERT_TRUE(instance.Listen());
    QObject::connect(&instance, &SingleInstance::Requested, &app, &CQuillboxApp::OnInstanceRequest);
    CMainFrame* frame = app.GetMainFrame();
    for (const auto& [arguments, shown] : std::vector<std::pair<QStringList, bool>>{
             {{"--hide"}, false}, {{"--toggle"}, true}, {{"--toggle"}, false}, {{}, true}}) {
        EXPECT_EQ(RunProgram(arguments, Offscreen()).first, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(frame->isVisible(), shown) << arguments.join(' ').toStdString();
    }
    // The launcher's startup id reaches the window, so the desktop knows which launch it answers.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        EXPECT_EQ(RunProgram({"--show"}, Offscreen("DESKTOP_STARTUP_ID=menu-1_TIME42")).first, 0);
        QProcess property;
        property.start("xprop", {"-id", QString::number(frame->winId()), "_NET_STARTUP_ID"});
        ASSERT_TRUE(property.waitForFinished());
        EXPECT_TRUE(property.readAll().contains("= \"menu-1_TIME42\"\n"));
    }
    frame->Action(quill::kNewDocumentCommand)->trigger();
    EXPECT_EQ(TabView(*frame).count(), 3);

    QAction* item = frame->findChild<QAction*>(QStringLiteral("startAtLoginAction"));
    const QString entry = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/quillmark.desktop";
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    const QByteArray text = RunFolder::Read(entry);
    EXPECT_TRUE(text.contains(("\nExec=" + QCoreApplication::applicationFilePath()).toUtf8()));
    EXPECT_TRUE(text.contains(("\nPath=" + run.Path() + "\n").toUtf8())) << text.constData();
    item->trigger();
    EXPECT_FALSE(item->isChecked() || QFile::exists(entry));
}

// A lock another user put where the program's own goes, naming a live
// process, never keeps the program from starting.
TEST(RunningInstance, AnotherUsersLockIsNotHeeded) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making a file of another user's needs root";
    }
    const QString name = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/squatted";
    QFile lock(name + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(QCoreApplication::applicationPid()) +
               "\nquillmark_gui_tests\n\n");
    lock.close();
    ASSERT_EQ(::chown(QFile::encodeName(lock.fileName()).constData(), 65534, 65534), 0);
    SingleInstance instance(name);
    EXPECT_EQ(instance.Start({quill::InstanceRequest::Show}, 300), SingleInstance::Outcome::First);
}

// Pipes in place of the profile, the style sheet and an image: the program
// starts all the same, never writes over them, and ends in order on SIGTERM.
TEST(HostileFiles, PipesInPlaceOfFilesNeitherHoldTheProgramNorItsEnd) {
    RunFolder run;
    run.CopyShippedData();
    const QString profile = RunFolder::ProfileFile();
    QDir().mkpath(QFileInfo(profile).path());
    for (const QString& path : {profile, run.File("Data/2.css"), run.File("Data/back.gif")}) {
        QFile::remove(path);
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    qputenv("QT_QPA_PLATFORM", "offscreen"); // inherited by the program alone: this one runs
    program.start(QStringLiteral(QUILLMARK_PROGRAM), {});
    qunsetenv("QT_QPA_PLATFORM");
    // The lists are read (a missing one made) once the profile has been read.
    EXPECT_TRUE(WaitUntil([&] { return QFile::exists(run.File("Data/qmtasks.qbx")); }, 30000));
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit)
        << program.readAll().constData();
    EXPECT_TRUE(QFileInfo(profile).isFile() == false && QFileInfo::exists(profile));
    QFile::remove(profile);
}

} // namespace
