// Runs the built link host as a browser would, in a temporary home, against the
// profile's lock that it shares with the program and QSettings.
#include "core/integration/HandOverQueue.h"
#include "profile/QtLockFile.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Attempt = quill::CrossProcessLock::Attempt;

// Left by a process that died holding it.
void LeaveLockOfDeadProcess(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        QtLockFile lock(path);
        ::_exit(lock.Take(0) == Attempt::Taken ? 0 : 1); // never released
    }
    ::waitpid(child, nullptr, 0);
}

// Runs the host once with one link: whether it said ok and the text reads
// back byte for byte from the end of the queue.
bool Sent(const QTemporaryDir& home, const std::string& queue, const QString& text) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    QProcess host;
    host.setProcessEnvironment(env);
    const QByteArray message =
        QJsonDocument(QJsonObject{{"href", "<a href=\"https://a/\">" + text}, {"text", text}})
            .toJson(QJsonDocument::Compact);
    const auto length = static_cast<std::uint32_t>(message.size());
    host.start(QUILLMARK_LINK_HOST, {"chrome-extension://jmdaacgkecanpacdleajboiehebghacp/"});
    host.write(QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + message);
    host.closeWriteChannel();
    if (!host.waitForFinished(10000) || !host.readAllStandardOutput().contains("\"ok\":true")) {
        return false;
    }
    const auto queued = quill::ReadQueue(queue);
    return queued && !queued->empty() && queued->back().text == text.toStdString();
}

// The host writes nothing while another process holds the profile's lock, and
// takes over one left by a killed process, or by one whose number now names a
// new process of the same name.
TEST(LinkHostEndToEnd, HonoursTheProfilesLockAndTakesOverWhatTheGoneLeft) {
    QTemporaryDir home;
    const QString profile = home.filePath(".config/Tarnwick software/Quillmark.conf");
    QDir().mkpath(QFileInfo(profile).path());
    const quill::HandOverPaths paths(profile.toStdString());
    QtLockFile mine(paths.lock);
    ASSERT_EQ(mine.Take(0), Attempt::Taken);
    EXPECT_FALSE(Sent(home, paths.queue, "held"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(paths.queue)));
    mine.Release();
    EXPECT_TRUE(
        Sent(home, paths.queue, QString::fromUtf8("tab\t1f\0012F \\ \"q\" \xC3\x9F\n\r\n")));

    LeaveLockOfDeadProcess(paths.lock);
    EXPECT_TRUE(Sent(home, paths.queue, " killed "));
    // Naming this live process, a while ago, but nobody holds its flock.
    const QString lock = QString::fromStdString(paths.lock);
    ASSERT_EQ(mine.Take(0), Attempt::Taken);
    QFile::copy(lock, lock + ".copy");
    mine.Release();
    QFile::rename(lock + ".copy", lock);
    QFile left(lock);
    ASSERT_TRUE(left.open(QIODevice::ReadWrite) &&
                left.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                 QFileDevice::FileModificationTime));
    left.close();
    EXPECT_TRUE(Sent(home, paths.queue, QString()));
    EXPECT_EQ(QtLockFile(home.filePath("none/p.lock").toStdString()).Take(0), Attempt::Failed);
}

} // namespace
