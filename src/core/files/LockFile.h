#pragma once

#include <string>

namespace quill {

// A lock file that Qt's QLockFile (and so QSettings) honours: created
// exclusively, held with flock and naming its process, removed on release.
// Taking it never waits; a lock left behind by a process that died (its flock
// free) is removed at once, and so are drafts of a lock that a killed process
// was making.
class LockFile {
public:
    enum class Attempt {
        Taken,
        Busy,   // a live process holds it
        Failed, // the folder does not allow a lock file
    };

    explicit LockFile(std::string path) : m_path(std::move(path)) {}
    ~LockFile() { Release(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    Attempt TryTake();
    // Keeps trying for at most waitMs milliseconds.
    Attempt Take(int waitMs);
    void Release();
    bool Held() const { return m_fd >= 0; }

private:
    std::string m_path;
    int m_fd = -1;
};

// Removes the lock at path if the process that left it is gone. True when
// there is no lock afterwards.
bool RecoverStaleLock(const std::string& path);

} // namespace quill
