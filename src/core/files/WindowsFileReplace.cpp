// The Windows side of the safe file writes: the same promises as the POSIX
// side, decided here and carried out by a thin layer of Win32 calls.
#include "core/files/WindowsFileReplace.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <memory>
#endif

namespace fs = std::filesystem;

namespace quill {

namespace {

using Presence = ReplaceCalls::Presence;
using Swap = ReplaceCalls::Swap;

// Writes a file that must not exist yet and flushes it to disk; on failure
// nothing is left behind.
bool WriteNewFile(ReplaceCalls& calls, const fs::path& file, const std::string& bytes) {
    if (!calls.CreateNew(file)) {
        return false;
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        std::size_t written{};
        ok = calls.Write(data, left, written) && written > 0;
        data += written;
        left -= written;
    }
    ok = ok && calls.Flush();
    ok = calls.Close() && ok;
    if (!ok) {
        calls.Delete(file);
    }
    return ok;
}

// Puts the written temporary file in the target's place; a target that
// appeared since the check is never overwritten.
bool MoveIntoPlace(ReplaceCalls& calls, const fs::path& temporary, const fs::path& target,
                   bool hadFile) {
    if (!hadFile) {
        return calls.Move(temporary, target);
    }
    switch (calls.SwapInto(temporary, target)) {
    case Swap::Done:
        return true;
    case Swap::OldGone:
        return calls.Move(temporary, target);
    case Swap::Failed:
        break;
    }
    return false;
}

} // namespace

bool CreateNewEmptyFile(ReplaceCalls& calls, const fs::path& path) {
    if (calls.CreateNew(path)) {
        calls.Close();
    }
    return calls.Examine(path) == Presence::Present;
}

bool ReplaceWithNewContents(ReplaceCalls& calls, const fs::path& target,
                            const fs::path& temporaryPath, const std::string& bytes) {
    const Presence presence = calls.Examine(target);
    if (presence == Presence::Unknown) {
        return false; // it may exist: nothing is known about it
    }
    const bool hadFile = presence == Presence::Present;
    // A file this program cannot read was never loaded, so replacing it would
    // throw away records nobody has seen.
    if (hadFile && !calls.CanRead(target)) {
        return false;
    }
    if (!WriteNewFile(calls, temporaryPath, bytes)) {
        return false;
    }
    if (!MoveIntoPlace(calls, temporaryPath, target, hadFile)) {
        // When the old file is gone, the temporary file holds the only copy.
        if (!hadFile || calls.Examine(target) == Presence::Present) {
            calls.Delete(temporaryPath);
        }
        return false;
    }
    return true;
}

#ifdef _WIN32
namespace {

class Win32ReplaceCalls final : public ReplaceCalls {
public:
    Presence Examine(const fs::path& file) override {
        if (::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return Presence::Present;
        }
        switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return Presence::Absent;
        default:
            return Presence::Unknown;
        }
    }

    // Access denied, a folder, a file locked without sharing: all unreadable.
    bool CanRead(const fs::path& file) override {
        HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const bool opened = handle != INVALID_HANDLE_VALUE;
        if (opened) {
            ::CloseHandle(handle);
        }
        return opened;
    }

    bool CreateNew(const fs::path& file) override {
        m_handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        return m_handle != INVALID_HANDLE_VALUE;
    }

    bool Write(const char* data, std::size_t size, std::size_t& written) override {
        DWORD done{};
        const bool ok =
            ::WriteFile(m_handle, data, static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD)),
                        &done, nullptr);
        written = done;
        return ok;
    }

    bool Flush() override { return ::FlushFileBuffers(m_handle); }
    bool Close() override { return ::CloseHandle(m_handle); }
    void Delete(const fs::path& file) override { ::DeleteFileW(file.c_str()); }

    bool Move(const fs::path& from, const fs::path& to) override {
        return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
    }

    Swap SwapInto(const fs::path& replacement, const fs::path& target) override {
        if (::ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            return Swap::Done;
        }
        return ::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT ? Swap::OldGone : Swap::Failed;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

} // namespace

std::unique_ptr<ReplaceCalls> MakeWin32ReplaceCalls() {
    return std::make_unique<Win32ReplaceCalls>();
}
#endif

} // namespace quill
