#pragma once

#include <string>

namespace quill {

// Why a file could not be read or written: the step that failed and the
// system's error number, so the user is told the cause and not only the file.
struct FileError {
    const char* step = nullptr; // "writing", "renaming over the old file"...; null: none
    int errorNumber = 0;        // errno; 0 when the step says it all

    explicit operator bool() const { return step != nullptr; }
};

// The cause in plain words, e.g. "no space left on device (writing)".
std::string DescribeCause(const FileError& error);

} // namespace quill
