#pragma once

#include <string_view>

namespace quill {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

} // namespace quill
