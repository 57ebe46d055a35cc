#pragma once

#include <string>
#include <string_view>

namespace quill {

// The full path of a relative name in a folder (the working folder, as a rule).
std::string ResolveInFolder(std::string_view folder, std::string_view relativeName);

} // namespace quill
