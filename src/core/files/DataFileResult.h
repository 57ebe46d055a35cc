#pragma once

#include <cstddef>

namespace quill {

// What a data-file reader did.
enum class LoadOutcome {
    Loaded,     // the file was read and its records appended
    CreatedNew, // there was no file; an empty one was created (or could not be)
    LeftAlone,  // the file exists but could not be read; it was not touched
    NotAFile,   // a folder, pipe or device stands in its place; never opened or replaced
    TooLarge,   // larger than kMaxDataFileBytes; not read and never replaced
};

// A list file larger than this is no list of this program's (about 100,000
// records): reading and showing it would hold the window for many seconds.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{16} << 20;

} // namespace quill
