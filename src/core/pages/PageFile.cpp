#include "core/pages/PageFile.h"

#include "core/files/SafeFile.h"

namespace quill {

bool WritePageFile(const std::string& path, const std::string& page) {
    // The page is rewritten on every change and is worth nothing after a crash
    // (the views show it from memory): written where it is, with no flush to
    // disk; made in one step when it is not there yet.
    return OverwriteInPlace(path, page) || ReplaceFileContents(path, page, Durability::Scratch);
}

} // namespace quill
