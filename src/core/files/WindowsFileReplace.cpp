// The Windows side of the safe file writes: the same promises through the Win32 API.
#ifdef _WIN32
#include "files/WindowsFileReplace.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace quill {

namespace {

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

} // namespace

bool CreateNewEmptyFile(const fs::path& path) {
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_FILE_EXISTS;
    }
    ::CloseHandle(handle);
    return true;
}

bool ReplaceWithNewContents(const fs::path& target, const fs::path& temporaryPath,
                            const std::string& bytes) {

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
}

} // namespace quill
#endif
