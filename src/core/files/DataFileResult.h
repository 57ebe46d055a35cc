#pragma once

namespace quill {

// What a data-file reader did.
enum class LoadOutcome {
    Loaded,     // the file was read and its records appended
    CreatedNew, // there was no file; an empty one was created (or could not be)
    LeftAlone,  // the file exists but could not be read; it was not touched
    NotAFile,   // a folder, pipe or device stands in its place; never opened or replaced
};

} // namespace quill
