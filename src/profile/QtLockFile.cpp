#include "profile/QtLockFile.h"

#include "core/files/FileError.h"
#include "core/files/Log.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

// An empty lock may be one whose holder is writing its lines this instant;
// one this old was left by a process killed while making it.
constexpr qint64 kMakingMs = 1000;
// Pauses between tries while waiting: short at first, since holders hold it
// for a few milliseconds.
constexpr int kFirstPauseMs = 2;
constexpr int kLongestPauseMs = 50;

} // namespace

QtLockFile::QtLockFile(const std::string& path) : m_lock(QFile::decodeName(path.c_str())) {}

bool QtLockFile::MadeWhole() const {
    qint64 pid = 0;
    QString host;
    QString program;
    if (m_lock.getLockInfo(&pid, &host, &program)) {
        return true;
    }
    const QFileInfo info(m_lock.fileName());
    return info.exists() &&
           std::abs(info.lastModified().msecsTo(QDateTime::currentDateTime())) >= kMakingMs;
}

quill::CrossProcessLock::Attempt QtLockFile::Take(int waitMs) {
    const QDeadlineTimer deadline(std::max(0, waitMs));
    int pauseMs = kFirstPauseMs;
    while (true) {
        // Qt itself takes over a lock whose process is gone only under a guard
        // file of its own, which a process killed meanwhile leaves blocking
        // for half a minute, and not where the number is used again. Every
        // holder flocks the lock before it writes its lines, and this removes
        // it only where nobody holds that flock.
        if (MadeWhole()) {
            m_lock.removeStaleLockFile();
        }
        if (m_lock.tryLock(0)) {
            return Attempt::Taken;
        }
        const int cause = errno; // still the failed creation's
        const std::string name = QFile::encodeName(m_lock.fileName()).toStdString();
        if (m_lock.error() != QLockFile::LockFailedError) {
            quill::LogFailure(quill::LogArea::Lock,
                              "could not make the lock " + name + ": " +
                                  quill::DescribeCause({"creating it", cause}));
            return Attempt::Failed;
        }
        if (deadline.hasExpired()) {
            if (waitMs > 0) {
                quill::LogFailure(quill::LogArea::Lock,
                                  "another process still holds the lock " + name);
            }
            return Attempt::Busy;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::min<qint64>(pauseMs, std::max<qint64>(1, deadline.remainingTime()))));
        pauseMs = std::min(pauseMs * 2, kLongestPauseMs);
    }
}
