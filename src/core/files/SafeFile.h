#pragma once

#include "core/files/FileError.h"
#include "core/files/FileStamp.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>

namespace quill {

enum class ReadStatus {
    Ok,         // the whole file was read
    Missing,    // there is no such file
    Unreadable, // it exists but could not be read (permissions, lock, I/O error)
    NotAFile,   // a folder, named pipe or device stands there: never read
    TooLarge,   // larger than the reader's limit: not read
};

struct FileContents {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
    int errorNumber = 0; // errno when Unreadable
};

// Reads a whole regular file as raw bytes; anything else is never waited on.
FileContents ReadWholeFile(const std::string& path,
                           std::size_t limit = std::numeric_limits<std::size_t>::max());

// Why a read did not give the file's bytes (none for Ok and Missing).
FileError ReadFailure(const FileContents& contents);

// Creates an empty file where there is none. An existing file is never touched.
// Returns true when the file exists afterwards.
bool CreateEmptyIfMissing(const std::string& path);

// Replaces the file's contents in one step: the bytes go to a temporary file in
// the same folder, are flushed to disk and then renamed over the target. If any
// step fails the old file stays whole and no temporary file is left behind.
// A target that is a symbolic link is written through the link; an existing
// file keeps its permission bits. An existing file that cannot be read is
// never replaced.
// Anything but a regular file in the target's place is never replaced.
// Stale temporary files left beside the target by an interrupted replace are
// removed first. A scratch file is not flushed to disk. On failure error,
// where given, receives the step that failed and why.
enum class Durability { Synced, Scratch };
bool ReplaceFileContents(const std::string& path, const std::string& bytes,
                         Durability durability = Durability::Synced, FileError* error = nullptr);

// The replace above for a data file that another program may change: the
// file must still carry the stamp expected (none: there must be no file) just
// before the rename, else nothing is replaced. written receives the stamp of
// the file this program wrote, taken from the file itself.
enum class GuardedReplace { Replaced, Changed, Failed };
GuardedReplace ReplaceIfUnchanged(const std::string& path, const std::string& bytes,
                                  const std::optional<FileStamp>& expected,
                                  std::optional<FileStamp>& written, FileError* error = nullptr);

// Overwrites an existing regular file where it is, for a scratch file: quicker
// than a replace, and possible where the folder allows no new file beside it.
// A write cut short leaves a mix of old and new. False when there is no such
// file or it cannot be written.
bool OverwriteInPlace(const std::string& path, const std::string& bytes);

// Removes the temporary files that an interrupted replace of path left beside
// it (".<name>.<16 hex digits>.tmp"), and nothing else.
void RemoveStaleTemporaries(const std::string& path);

} // namespace quill
