#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace quill {

// The file calls the Windows replacement makes, kept apart from its decisions
// so that those can be tried with a fake file system on any platform.
class ReplaceCalls {
public:
    enum class Presence { Present, Absent, Unknown };
    // OldGone: the old file is already gone and the new contents are still
    // under the temporary name.
    enum class Swap { Done, OldGone, Failed };

    virtual ~ReplaceCalls() = default;
    virtual Presence Examine(const std::filesystem::path& file) = 0;
    virtual bool CanRead(const std::filesystem::path& file) = 0;
    // Opens a file that must not exist yet for the writes below.
    virtual bool CreateNew(const std::filesystem::path& file) = 0;
    // May take fewer bytes than offered.
    virtual bool Write(const char* data, std::size_t size, std::size_t& written) = 0;
    virtual bool Flush() = 0;
    virtual bool Close() = 0;
    virtual void Delete(const std::filesystem::path& file) = 0;
    // Never overwrites an existing file.
    virtual bool Move(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Swaps an existing target for the replacement, keeping the target's
    // attributes and security.
    virtual Swap SwapInto(const std::filesystem::path& replacement,
                          const std::filesystem::path& target) = 0;
};

// Creates an empty file where there is none; true when the file exists afterwards.
bool CreateNewEmptyFile(ReplaceCalls& calls, const std::filesystem::path& path);

// Replaces target with bytes through the new file temporaryPath: an existing
// target that cannot be read is refused, the bytes are flushed before the swap,
// and a target that appeared since the check is never overwritten.
bool ReplaceWithNewContents(ReplaceCalls& calls, const std::filesystem::path& target,
                            const std::filesystem::path& temporaryPath, const std::string& bytes);

#ifdef _WIN32
// The calls made through the Win32 API.
std::unique_ptr<ReplaceCalls> MakeWin32ReplaceCalls();
#endif

} // namespace quill
