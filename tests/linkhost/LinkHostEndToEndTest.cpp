// Runs the built link host as a browser would, in a temporary home, against the
// profile's lock that it shares with the program and QSettings.
#include "core/integration/HandOverQueue.h"
#include "profile/QtLockFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Attempt = quill::CrossProcessLock::Attempt;

// A process of this program's name that takes the lock and lives until
// killed, its flock dropped when dropFlock says so.
pid_t StartHolder(const std::string& path, bool dropFlock) {
    const pid_t child = ::fork();
    if (child == 0) {
        QtLockFile lock(path);
        const bool taken = lock.Take(5000) == Attempt::Taken;
        for (int fd = 3; taken && dropFlock && fd < 1024; ++fd) {
            ::close(fd);
        }
        ::pause();
    }
    // Its lines are written once its flock is held.
    for (int i = 0; i < 1000 && QFile(QString::fromStdString(path)).size() == 0; ++i) {
        QThread::msleep(10);
    }
    return child;
}

void Kill(pid_t holder) {
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

void StartHost(QProcess& host, const QTemporaryDir& home, const QString& text) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    host.setProcessEnvironment(env);
    const QByteArray message =
        QJsonDocument(QJsonObject{{"href", "<a href=\"https://a/\">" + text}, {"text", text}})
            .toJson(QJsonDocument::Compact);
    const auto length = static_cast<std::uint32_t>(message.size());
    host.start(QUILLMARK_LINK_HOST, {"chrome-extension://jmdaacgkecanpacdleajboiehebghacp/"});
    host.write(QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + message);
    host.closeWriteChannel();
}

// Said ok, and the text reads back byte for byte from the end of the queue.
bool Queued(QProcess& host, const std::string& queue, const QString& text) {
    if (!host.waitForFinished(10000) || !host.readAllStandardOutput().contains("\"ok\":true")) {
        return false;
    }
    const auto queued = quill::ReadQueue(queue);
    return queued && !queued->empty() && queued->back().text == text.toStdString();
}

// The host waits while another process holds the profile's lock, and takes
// over at once one left by a killed process or one whose process number now
// names a new process.
TEST(LinkHostEndToEnd, WaitsForTheProfilesLockAndTakesOverWhatTheGoneLeft) {
    QTemporaryDir home;
    const QString profile = home.filePath(".config/Tarnwick software/Quillmark.conf");
    QDir().mkpath(QFileInfo(profile).path());
    const quill::HandOverPaths paths(profile.toStdString());
    QtLockFile mine(paths.lock);
    ASSERT_EQ(mine.Take(0), Attempt::Taken);
    QProcess waiting;
    const QString awkward = QString::fromUtf8("tab\t1f\0012F \\ \"q\" \xC3\x9F\nline\r\n");
    StartHost(waiting, home, awkward);
    QThread::msleep(300);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(paths.queue)));
    mine.Release();
    EXPECT_TRUE(Queued(waiting, paths.queue, awkward));

    // Killed, as was another process while taking it over (Qt's guard of that step is left).
    Kill(StartHolder(paths.lock, false));
    QFile(QString::fromStdString(paths.lock + ".rmlock")).open(QIODevice::WriteOnly);
    QProcess afterKill;
    StartHost(afterKill, home, " killed ");
    EXPECT_TRUE(Queued(afterKill, paths.queue, " killed "));
    const pid_t flockGone = StartHolder(paths.lock, true);
    QProcess afterLoss;
    StartHost(afterLoss, home, QString());
    EXPECT_TRUE(Queued(afterLoss, paths.queue, QString()));
    Kill(flockGone);
    EXPECT_EQ(QtLockFile(home.filePath("none/p.lock").toStdString()).Take(0), Attempt::Failed);
}

} // namespace
