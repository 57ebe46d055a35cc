#include "core/files/ProcessClaim.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace quill {

#ifndef _WIN32

ProcessClaim::~ProcessClaim() {
    Release();
}

void ProcessClaim::Release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool ProcessClaim::TryClaim() {
    if (m_fd >= 0) {
        return true;
    }
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

bool ProcessClaim::HeldByAnyone(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

#else

// Windows builds the logic for its tests only: one process there claims alone.
ProcessClaim::~ProcessClaim() = default;
void ProcessClaim::Release() {
    m_fd = -1;
}
bool ProcessClaim::TryClaim() {
    m_fd = 0;
    return true;
}
bool ProcessClaim::HeldByAnyone(const std::string&) {
    return false;
}

#endif

} // namespace quill
