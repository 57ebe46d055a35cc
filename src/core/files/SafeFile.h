#pragma once

#include <string>

namespace quill {

enum class ReadStatus {
    Ok,         // the whole file was read
    Missing,    // there is no such file
    Unreadable, // it exists but could not be read (permissions, lock, I/O error)
};

struct FileContents {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

// Reads a whole file as raw bytes.
FileContents ReadWholeFile(const std::string& path);

// Creates an empty file where there is none. An existing file is never touched.
// Returns true when the file exists afterwards.
bool CreateEmptyIfMissing(const std::string& path);

// Replaces the file's contents in one step: the bytes go to a temporary file in
// the same folder, are flushed to disk and then renamed over the target. If any
// step fails the old file stays whole and no temporary file is left behind.
// A target that is a symbolic link is written through the link; an existing
// file keeps its permission bits. An existing file that cannot be read is
// never replaced.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

} // namespace quill
