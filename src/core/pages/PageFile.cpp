#include "pages/PageFile.h"

#include "files/SafeFile.h"

namespace quill {

bool WritePageFile(const std::string& path, const std::string& page) {
    // The page is rewritten on every change and is worth nothing after a crash:
    // no flush to disk, and a folder that allows no new file beside it still
    // lets an existing page be overwritten where it is.
    return ReplaceFileContents(path, page, Durability::Scratch) || OverwriteInPlace(path, page);
}

} // namespace quill
