#include "pages/PageFile.h"

#include "files/SafeFile.h"

namespace quill {

bool WritePageFile(const std::string& path, const std::string& page) {
    return ReplaceFileContents(path, page);
}

} // namespace quill
