#pragma once

#include "core/files/CrossProcessLock.h"

#include <QLockFile>

#include <string>

// A lock kept as Qt keeps it, so QSettings and every version of this program
// and its link host honour it: a file naming its process, held with flock.
// One whose process is gone is taken over at once (Qt tells); one left without
// its flock while its process number names a live process of the same name
// (the number used again) once it is older than a second.
class QtLockFile : public quill::CrossProcessLock {
public:
    explicit QtLockFile(const std::string& path);

    Attempt Take(int waitMs) override;
    void Release() override { m_lock.unlock(); }

private:
    QLockFile m_lock;
};
