// The profile's lock between real processes, as the program, the link host
// and QSettings share it.
#include "profile/QtLockFile.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Attempt = quill::CrossProcessLock::Attempt;

// A process of this program's own name that takes the lock and lives on until
// killed, with its flock dropped when dropFlock says so.
pid_t StartHolder(const std::string& path, bool dropFlock) {
    const pid_t child = ::fork();
    if (child == 0) {
        QtLockFile lock(path);
        if (lock.Take(5000) != Attempt::Taken) {
            ::_exit(1);
        }
        for (int fd = 3; dropFlock && fd < 1024; ++fd) {
            ::close(fd);
        }
        ::pause();
    }
    // Its lines are written once its flock is held.
    QDeadlineTimer deadline(10000);
    while (QFile(QString::fromStdString(path)).size() == 0 && !deadline.hasExpired()) {
        QThread::msleep(5);
    }
    return child;
}

void Kill(pid_t holder) {
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

TEST(QtLockFile, OneProcessHoldsItAndOneLeftBehindIsTakenOver) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("p.conf.lock").toStdString();
    QtLockFile mine(path);

    const pid_t holder = StartHolder(path, false);
    EXPECT_EQ(mine.Take(0), Attempt::Busy);
    EXPECT_EQ(mine.Take(50), Attempt::Busy);
    // Killed while holding it: taken at once, even where another process was
    // killed while taking it over and left Qt's guard of that step.
    Kill(holder);
    QFile(QString::fromStdString(path + ".rmlock")).open(QIODevice::WriteOnly);
    EXPECT_EQ(mine.Take(0), Attempt::Taken);
    mine.Release();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));

    // Its number names a live process of the same name, but its flock is gone.
    const pid_t lost = StartHolder(path, true);
    EXPECT_EQ(mine.Take(5000), Attempt::Taken);
    Kill(lost);

    EXPECT_EQ(QtLockFile(folder.filePath("none/p.lock").toStdString()).Take(0), Attempt::Failed);
}

} // namespace
