#include "core/app/PrivateFolder.h"

#include <filesystem>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quill {

#ifndef _WIN32

bool MakePrivateFolder(const std::string& path, unsigned uid) {
    ::mkdir(path.c_str(), 0700);
    // Opened without following a link, then examined and changed through the
    // descriptor: nothing can be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == uid;
    if (ok && (info.st_mode & 07777) != 0700) {
        ok = ::fchmod(fd, 0700) == 0;
    }
    ::close(fd);
    return ok;
}

bool OwnedByOtherUser(const std::string& path, unsigned uid) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && info.st_uid != uid;
}

namespace {

bool IsPrivateRuntimeFolder(const std::string& path, unsigned uid) {
    struct stat info {};
    return !path.empty() && path.front() == '/' && ::stat(path.c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == uid && (info.st_mode & 077) == 0;
}

} // namespace

std::optional<std::string> InstanceFolder(const std::string& runtimeFolder,
                                          const std::string& tempFolder,
                                          const std::string& cacheFolder, unsigned uid) {
    if (IsPrivateRuntimeFolder(runtimeFolder, uid)) {
        return runtimeFolder;
    }
    const std::string own = "/quillmark-" + std::to_string(uid);
    if (!tempFolder.empty() && MakePrivateFolder(tempFolder + own, uid)) {
        return tempFolder + own;
    }
    if (!cacheFolder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(cacheFolder, ignored);
        if (MakePrivateFolder(cacheFolder + own, uid)) {
            return cacheFolder + own;
        }
    }
    return std::nullopt;
}

#else

// Windows names the channel in its own namespace, not in a folder.
bool MakePrivateFolder(const std::string&, unsigned) {
    return true;
}
bool OwnedByOtherUser(const std::string&, unsigned) {
    return false;
}
std::optional<std::string> InstanceFolder(const std::string& runtimeFolder, const std::string&,
                                          const std::string&, unsigned) {
    return runtimeFolder;
}

#endif

} // namespace quill
