#include "core/files/LockFile.h"

#include "core/files/FileError.h"
#include "core/files/Log.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#ifndef _WIN32
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quill {

namespace {

#ifndef _WIN32
std::string FirstLineOf(const char* path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string OwnProcessName() {
    char exe[4096];
    ssize_t length = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (length <= 0) {
        return "quillmark";
    }
    std::string path(exe, static_cast<std::size_t>(length));
    return path.substr(path.rfind('/') + 1);
}

// The same lines QLockFile writes, so Qt takes the lock for a live one.
std::string LockContents() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return std::to_string(::getpid()) + '\n' + OwnProcessName() + '\n' + host + '\n' +
           FirstLineOf("/etc/machine-id") + '\n' + FirstLineOf("/proc/sys/kernel/random/boot_id") +
           '\n';
}

bool ProcessIsGone(const std::string& pidLine) {
    char* end = nullptr;
    long pid = std::strtol(pidLine.c_str(), &end, 10);
    if (end == pidLine.c_str() || pid <= 0) {
        return true;
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Whoever holds a lock holds its flock (QLockFile takes it before it writes
// its lines), so a free flock means the holder is gone, whatever process now
// has the number it names; or it is a QLockFile in the instant between
// creating the file and locking it: an empty file counts as left behind once
// it is a second old.
bool RemoveIfStale(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT;
    }
    bool removed = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        struct stat info {};
        const bool stale = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                           (info.st_size > 0 || std::time(nullptr) - info.st_mtim.tv_sec >= 1);
        removed = stale && ::unlink(path.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

// "<lock>.<pid>-<n>.new": a draft of CreateLocked below, left behind when its
// process was killed before it could remove it.
std::optional<std::string> DraftPid(const std::string& name, const std::string& lockName) {
    constexpr std::string_view kSuffix = ".new";
    if (name.size() <= lockName.size() + 1 + kSuffix.size() || !name.starts_with(lockName + ".") ||
        !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    const std::string middle =
        name.substr(lockName.size() + 1, name.size() - lockName.size() - 1 - kSuffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == middle.size() ||
        middle.find_first_not_of("0123456789-") != std::string::npos ||
        middle.find('-', dash + 1) != std::string::npos) {
        return std::nullopt;
    }
    return middle.substr(0, dash);
}

void RemoveStaleDrafts(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string lockName = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::optional<std::string> pid = DraftPid(entry->d_name, lockName);
        if (!pid || !ProcessIsGone(*pid)) {
            continue;
        }
        const std::string draft = folder + "/" + entry->d_name;
        int fd = ::open(draft.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(draft.c_str());
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::closedir(dir);
}

// The lock is made whole under a private name and then linked into place, so
// nobody ever sees it empty or unlocked. Where the file system has no hard
// links it is created in place, as QLockFile does.
int CreateLocked(const std::string& path) {
    static std::atomic<unsigned> drafts;
    const std::string draft =
        path + "." + std::to_string(::getpid()) + "-" + std::to_string(++drafts) + ".new";
    ::unlink(draft.c_str());
    int fd = ::open(draft.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::flock(fd, LOCK_EX | LOCK_NB);
        const std::string contents = LockContents();
        const bool linked = ::write(fd, contents.data(), contents.size()) ==
                                static_cast<ssize_t>(contents.size()) &&
                            ::link(draft.c_str(), path.c_str()) == 0;
        const int linkError = errno;
        ::unlink(draft.c_str());
        if (linked) {
            return fd;
        }
        ::close(fd);
        if (linkError == EEXIST) {
            errno = EEXIST;
            return -1;
        }
    }
    fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::flock(fd, LOCK_EX | LOCK_NB);
        const std::string contents = LockContents();
        if (::write(fd, contents.data(), contents.size()) !=
            static_cast<ssize_t>(contents.size())) {
            ::unlink(path.c_str());
            ::close(fd);
            errno = EIO;
            return -1;
        }
    }
    return fd;
}
#endif

} // namespace

LockFile::Attempt LockFile::TryTake() {
#ifdef _WIN32
    return Attempt::Failed;
#else
    if (m_fd >= 0) {
        return Attempt::Taken;
    }
    for (int round = 0; round < 2; ++round) {
        int fd = CreateLocked(m_path);
        if (fd >= 0) {
            m_fd = fd;
            return Attempt::Taken;
        }
        if (errno != EEXIST) {
            LogFailure(LogArea::Lock, "could not make the lock " + m_path + ": " +
                                          DescribeCause({"creating it", errno}));
            return Attempt::Failed;
        }
        if (round == 0 && !RemoveIfStale(m_path)) {
            return Attempt::Busy;
        }
    }
    return Attempt::Busy;
#endif
}

LockFile::Attempt LockFile::Take(int waitMs) {
#ifndef _WIN32
    RemoveStaleDrafts(m_path);
#endif
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (true) {
        Attempt attempt = TryTake();
        if (attempt != Attempt::Busy || std::chrono::steady_clock::now() >= deadline) {
            if (attempt == Attempt::Busy) {
                LogFailure(LogArea::Lock, "another process still holds the lock " + m_path);
            }
            return attempt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
}

void LockFile::Release() {
#ifndef _WIN32
    if (m_fd >= 0) {
        ::unlink(m_path.c_str());
        ::close(m_fd);
        m_fd = -1;
    }
#endif
}

bool RecoverStaleLock(const std::string& path) {
#ifdef _WIN32
    (void)path; // the profile's lock on Windows is the registry's own
    return true;
#else
    RemoveStaleDrafts(path);
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 || RemoveIfStale(path);
#endif
}

} // namespace quill
