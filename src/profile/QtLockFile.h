#pragma once

#include "core/files/CrossProcessLock.h"

#include <QLockFile>

#include <string>

// A lock kept as Qt keeps it, so QSettings and every version of this program
// and its link host honour it: a file naming its process, held with flock.
// One whose process is gone is taken over at once, and so is one whose flock
// nobody holds (its number used again by a new process).
class QtLockFile : public quill::CrossProcessLock {
public:
    explicit QtLockFile(const std::string& path);

    Attempt Take(int waitMs) override;
    void Release() override { m_lock.unlock(); }

private:
    // Whether its lines are written, or it is too old to be still in the making.
    bool MadeWhole() const;

    QLockFile m_lock;
};
