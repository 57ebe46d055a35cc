#include "files/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quill {

namespace {

// Follows a chain of symbolic links to the file that really holds the data,
// so that a replace keeps the link in place.
fs::path ResolveLinks(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec) {
            return current;
        }
        fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            return current;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

std::string TemporarySibling(const fs::path& target) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp",
                  static_cast<unsigned long long>(generator()));
    return (target.parent_path() / ("." + target.filename().string() + suffix)).string();
}

#ifndef _WIN32
bool WriteAllAndSync(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return ::fsync(fd) == 0;
}

void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#else
// The file exists and this program may open it for reading. A file that cannot
// be read (access denied, a folder, locked without sharing) answers false.
bool CanRead(const fs::path& file) {
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(handle);
    return true;
}

// Writes a file that must not exist yet and flushes it to disk; on failure
// nothing is left behind.
bool WriteNewFile(const fs::path& file, const std::string& bytes) {
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
        DWORD written = 0;
        ok = ::WriteFile(handle, data, chunk, &written, nullptr) && written > 0;
        data += written;
        left -= written;
    }
    ok = ok && ::FlushFileBuffers(handle);
    ok = ::CloseHandle(handle) && ok;
    if (!ok) {
        ::DeleteFileW(file.c_str());
    }
    return ok;
}

// Puts the written temporary file in the target's place. An existing target is
// swapped by ReplaceFileW, which keeps its attributes and security; a target
// that appeared since the check is never overwritten.
bool MoveIntoPlace(const fs::path& temporary, const fs::path& target, bool hadFile) {
    if (!hadFile) {
        return ::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr)) {
        return true;
    }
    // This failure means the old file is already gone and the new contents are
    // still under the temporary name: finish the move.
    return ::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
           ::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
}
#endif

} // namespace

FileContents ReadWholeFile(const std::string& path) {
    FileContents result;
    std::error_code ec;
    auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        result.status = ec && ec != std::errc::no_such_file_or_directory ? ReadStatus::Unreadable
                                                                         : ReadStatus::Missing;
        return result;
    }
    if (fs::is_directory(status)) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    // Read in blocks: the size seen by stat may change while another program writes.
    char block[64 * 1024];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        result.bytes.append(block, static_cast<std::size_t>(in.gcount()));
    }
    result.status = in.bad() ? ReadStatus::Unreadable : ReadStatus::Ok;
    if (result.status != ReadStatus::Ok) {
        result.bytes.clear();
    }
    return result;
}

bool CreateEmptyIfMissing(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) {
        return true;
    }
#ifdef _WIN32
    HANDLE handle = ::CreateFileW(fs::path(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_FILE_EXISTS;
    }
    ::CloseHandle(handle);
    return true;
#else
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == EEXIST;
    }
    ::close(fd);
    return true;
#endif
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const fs::path target = ResolveLinks(fs::path(path));
    const std::string temporary = TemporarySibling(target);
#ifdef _WIN32
    const fs::path temporaryPath(temporary);
    const bool hadFile = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!hadFile) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            return false; // it may exist: nothing is known about it
        }
    }
    // A file this program cannot read was never loaded, so replacing it would
    // throw away records nobody has seen.
    if (hadFile && !CanRead(target)) {
        return false;
    }
    if (!WriteNewFile(temporaryPath, bytes)) {
        return false;
    }
    if (!MoveIntoPlace(temporaryPath, target, hadFile)) {
        // When the old file is gone, the temporary file holds the only copy.
        const bool oldFileGone =
            hadFile && ::GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES;
        if (!oldFileGone) {
            ::DeleteFileW(temporaryPath.c_str());
        }
        return false;
    }
    return true;
#else
    struct stat existing {};
    const bool hadFile = ::stat(target.c_str(), &existing) == 0;
    // A file this program cannot read was never loaded, so replacing it would
    // throw away records nobody has seen.
    if (hadFile && ::access(target.c_str(), R_OK) != 0) {
        return false;
    }
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    if (hadFile) {
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    ok = ok && WriteAllAndSync(fd, bytes);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
#endif
}

} // namespace quill
