#include "core/files/SafeFile.h"

#include "core/files/WriteCall.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include "core/files/WindowsFileReplace.h"
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
std::ptrdiff_t SystemWrite(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

WriteCall g_write = SystemWrite;

bool WriteAll(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        std::ptrdiff_t written = g_write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

#ifndef _WIN32
WriteCall SwapWriteCall(WriteCall call) {
    WriteCall previous = g_write;
    g_write = call;
    return previous;
}
#endif

FileContents ReadWholeFile(const std::string& path, std::size_t limit) {
    FileContents result;
#ifndef _WIN32
    // Opened without waiting and checked on the open file itself: a named pipe
    // put in the file's place between a look and the open would otherwise
    // wait for a writer for ever.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.errorNumber = errno;
        result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        if (errno == ENXIO || errno == EISDIR) {
            result.status = ReadStatus::NotAFile;
        }
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = ReadStatus::NotAFile;
        ::close(fd);
        return result;
    }
    if (static_cast<unsigned long long>(info.st_size) > limit) {
        result.status = ReadStatus::TooLarge;
        ::close(fd);
        return result;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Read in blocks: the size seen by fstat may change while another program writes.
    char block[64 * 1024];
    result.status = ReadStatus::Ok;
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.errorNumber = errno;
            result.status = ReadStatus::Unreadable;
            break;
        }
        if (got == 0) {
            break;
        }
        result.bytes.append(block, static_cast<std::size_t>(got));
        if (result.bytes.size() > limit) {
            result.status = ReadStatus::TooLarge;
            break;
        }
    }
    ::close(fd);
#else
    std::error_code ec;
    auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        result.status = ec && ec != std::errc::no_such_file_or_directory ? ReadStatus::Unreadable
                                                                         : ReadStatus::Missing;
        result.errorNumber = ec.default_error_condition().value();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.status = ReadStatus::NotAFile;
        return result;
    }
    if (fs::file_size(path, ec) > limit) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.errorNumber = errno;
        result.status = ReadStatus::Unreadable;
        return result;
    }
    char block[64 * 1024];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        result.bytes.append(block, static_cast<std::size_t>(in.gcount()));
    }
    result.status = in.bad() ? ReadStatus::Unreadable : ReadStatus::Ok;
#endif
    if (result.status != ReadStatus::Ok) {
        result.bytes.clear();
    }
    return result;
}

FileError ReadFailure(const FileContents& contents) {
    switch (contents.status) {
    case ReadStatus::Unreadable:
        return {"reading", contents.errorNumber};
    case ReadStatus::NotAFile:
        return {"it is not an ordinary file", 0};
    case ReadStatus::TooLarge:
        return {"it is too large", 0};
    case ReadStatus::Ok:
    case ReadStatus::Missing:
        break;
    }
    return {};
}

bool CreateEmptyIfMissing(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) {
        return true;
    }
#ifdef _WIN32
    return CreateNewEmptyFile(*MakeWin32ReplaceCalls(), fs::path(path));
#else
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == EEXIST;
    }
    ::close(fd);
    return true;
#endif
}

namespace {

bool IsTemporaryOf(const std::string& candidate, const std::string& name) {
    constexpr std::size_t kHexDigits = 16;
    constexpr std::string_view kSuffix = ".tmp";
    const std::string prefix = "." + name + ".";
    if (candidate.size() != prefix.size() + kHexDigits + kSuffix.size() ||
        !candidate.starts_with(prefix) || !candidate.ends_with(kSuffix)) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < prefix.size() + kHexDigits; ++i) {
        const char c = candidate[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

} // namespace

void RemoveStaleTemporaries(const std::string& path) {
    const fs::path target = ResolveLinks(fs::path(path));
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string name = target.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        if (IsTemporaryOf(it->path().filename().string(), name) &&
            fs::is_regular_file(it->symlink_status(statusError))) {
            fs::remove(it->path(), statusError);
        }
    }
}

bool OverwriteInPlace(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::status(path, ec))) {
        return false;
    }
    // Cut to length only after writing: on ext4 a file emptied and written
    // again is pushed to disk when closed, as a replaced one is when renamed,
    // which costs more than the write itself for a large page.
    {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            return false;
        }
    }
    fs::resize_file(path, bytes.size(), ec);
    return !ec;
}

namespace {

// The one replace: expected, where given, is what the file must still be
// just before the rename (none: no file at all). error receives why it failed.
GuardedReplace Replace(const std::string& path, const std::string& bytes, Durability durability,
                       const std::optional<std::optional<FileStamp>>& expected,
                       std::optional<FileStamp>* written, FileError& error) {
    const fs::path target = ResolveLinks(fs::path(path));
    {
        std::error_code ec;
        const auto status = fs::status(target, ec);
        if (!ec && fs::exists(status) && !fs::is_regular_file(status)) {
            error = {"it is not an ordinary file", 0};
            return GuardedReplace::Failed;
        }
    }
    RemoveStaleTemporaries(target.string());
    const std::string temporary = TemporarySibling(target);
#ifdef _WIN32
    (void)durability; // a scratch file is flushed here as well
    if (expected && StampOfFile(target.string()) != *expected) {
        return GuardedReplace::Changed;
    }
    if (!ReplaceWithNewContents(*MakeWin32ReplaceCalls(), target, fs::path(temporary), bytes)) {
        error = {"the system refused to replace it", 0};
        return GuardedReplace::Failed;
    }
    if (written) {
        *written = StampOfFile(target.string());
    }
    return GuardedReplace::Replaced;
#else
    struct stat existing {};
    const bool hadFile = ::stat(target.c_str(), &existing) == 0;
    // A file this program cannot read was never loaded, so replacing it would
    // throw away records nobody has seen.
    if (hadFile && ::access(target.c_str(), R_OK) != 0) {
        error = {"reading the file", errno};
        return GuardedReplace::Failed;
    }
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = {"creating a new file beside it", errno};
        return GuardedReplace::Failed;
    }
    // Each step records its errno before the clean-up below can change it.
    auto step = [&](bool done, const char* what) {
        if (!done && !error) {
            error = {what, errno};
        }
        return done;
    };
    bool ok =
        !hadFile || step(::fchmod(fd, existing.st_mode & 07777) == 0, "keeping its permissions");
    ok = ok && step(WriteAll(fd, bytes), "writing");
    ok = ok && (durability == Durability::Scratch || step(::fsync(fd) == 0, "flushing to disk"));
    // Looked at again as late as possible: another program's change made
    // while this one wrote must not be renamed away.
    const bool changed = ok && expected && StampOfFile(target.string()) != *expected;
    ok = ok && !changed &&
         step(::rename(temporary.c_str(), target.c_str()) == 0, "renaming over it");
    if (ok && written) {
        *written = StampOfOpenFile(fd);
    }
    ok = step(::close(fd) == 0, "closing") && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return changed ? GuardedReplace::Changed : GuardedReplace::Failed;
    }
    if (durability == Durability::Synced) {
        SyncFolder(target.parent_path());
    }
    return GuardedReplace::Replaced;
#endif
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes, Durability durability,
                         FileError* error) {
    FileError cause;
    if (Replace(path, bytes, durability, std::nullopt, nullptr, cause) ==
        GuardedReplace::Replaced) {
        return true;
    }
    if (error) {
        *error = cause;
    }
    return false;
}

GuardedReplace ReplaceIfUnchanged(const std::string& path, const std::string& bytes,
                                  const std::optional<FileStamp>& expected,
                                  std::optional<FileStamp>& written, FileError* error) {
    FileError cause;
    const GuardedReplace result =
        Replace(path, bytes, Durability::Synced, expected, &written, cause);
    if (error && result == GuardedReplace::Failed) {
        *error = cause;
    }
    return result;
}

} // namespace quill
