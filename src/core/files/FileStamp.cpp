#include "core/files/FileStamp.h"

#ifndef _WIN32
#include <sys/stat.h>
#else
#include <filesystem>
#endif

namespace quill {

#ifndef _WIN32
namespace {

long long Nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

FileStamp StampOf(const struct stat& info) {
    return FileStamp{
        static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
        static_cast<long long>(info.st_size), Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)};
}

} // namespace

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return StampOf(info);
}

std::optional<FileStamp> StampOfOpenFile(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return std::nullopt;
    }
    return StampOf(info);
}
#else
std::optional<FileStamp> StampOfFile(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        return std::nullopt;
    }
    auto time = std::filesystem::last_write_time(path, ec);
    // No device or file number here: size and time tell a change.
    return FileStamp{.size = static_cast<long long>(size),
                     .modifiedNs = static_cast<long long>(time.time_since_epoch().count())};
}
#endif

} // namespace quill
