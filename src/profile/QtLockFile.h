#pragma once

#include "core/files/CrossProcessLock.h"

#include <QLockFile>

#include <string>

// A lock kept as Qt keeps it, so QSettings and every version of this program
// and its link host honour it: a file naming its process, held with flock.
// Taking over one left by a process that is gone is Qt's: at once where the
// process it names is gone, after two seconds where its number is used again.
class QtLockFile : public quill::CrossProcessLock {
public:
    explicit QtLockFile(const std::string& path);

    Attempt Take(int waitMs) override;
    void Release() override { m_lock.unlock(); }

private:
    QLockFile m_lock;
};
