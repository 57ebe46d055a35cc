// Runs the real program as a user would start it, and ends it from outside.
#include "support/GuiTestEnvironment.h"
#include "support/RunFolder.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

using quill::test::GuiTestEnvironment;
using quill::test::RunFolder;

// Starts the program in the run folder, lets it settle, then asks it to end with
// SIGTERM as a logout or a service manager would. Returns its exit code.
int RunAndTerminate(const RunFolder& run) {
    QProcess program;
    program.setWorkingDirectory(run.Path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLMARK_PROGRAM), {});
    if (!program.waitForStarted(10000)) {
        return -100;
    }
    QThread::msleep(1500);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    if (!program.waitForFinished(15000)) {
        program.kill();
        return -101;
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -102;
}

QVariant Stored(const char* key) {
    QSettings settings(GuiTestEnvironment::ProfileFile(), QSettings::IniFormat);
    return settings.value(QString::fromLatin1(key));
}

TEST(ProgramRun, FirstRunStoresTheDefaultsAndCreatesTheDataFiles) {
    RunFolder run;

    ASSERT_EQ(RunAndTerminate(run), 0);

    EXPECT_EQ(Stored("Status/IsOpened").toString(), "true");
    EXPECT_EQ(Stored("Status/Integrate").toInt(), 1);
    EXPECT_EQ(Stored("Status/Track mouse").toInt(), 1);
    EXPECT_EQ(Stored("Status/Percent").toInt(), 80);
    EXPECT_TRUE(QFile::exists(run.File(QStringLiteral("Data/qmlinks.qbx"))));
    EXPECT_TRUE(QFile::exists(run.File(QStringLiteral("Data/qmtasks.qbx"))));
}

} // namespace
