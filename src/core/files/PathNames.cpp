#include "core/files/PathNames.h"

#include <filesystem>

namespace quill {

std::string ResolveInFolder(std::string_view folder, std::string_view relativeName) {
    std::filesystem::path full =
        std::filesystem::path(folder) / std::filesystem::path(relativeName);
    return full.lexically_normal().make_preferred().string();
}

} // namespace quill
