#include "profile/QtLockFile.h"

#include "core/files/FileError.h"
#include "core/files/Log.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>

namespace {

// Qt takes over at once a lock whose process is gone. One that names a live
// process (its number used again) or none (its maker killed before it wrote
// its lines) it takes over once this old, and then only where nobody holds
// its flock, as every live holder does. Holders hold it for milliseconds; the
// link host waits longer than this for it.
constexpr int kStaleAfterMs = 2000;
// Pauses between tries while waiting: short at first, since holders hold it
// for a few milliseconds.
constexpr int kFirstPauseMs = 2;
constexpr int kLongestPauseMs = 50;

} // namespace

QtLockFile::QtLockFile(const std::string& path) : m_lock(QFile::decodeName(path.c_str())) {
    m_lock.setStaleLockTime(kStaleAfterMs);
}

quill::CrossProcessLock::Attempt QtLockFile::Take(int waitMs) {
    const QDeadlineTimer deadline(std::max(0, waitMs));
    int pauseMs = kFirstPauseMs;
    while (!m_lock.tryLock(0)) {
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
    return Attempt::Taken;
}
