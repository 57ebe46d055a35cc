#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// The text as it should be shown: UTF-8 as it is; bytes that are not valid
// UTF-8 (a file from an older editor) read as Latin-1 and re-encoded as UTF-8,
// rather than shown as replacement characters.
std::string DisplayUtf8(std::string_view bytes);

// Appends the code point as UTF-8 (one to four bytes).
void AppendUtf8(std::string& out, std::uint32_t code);

} // namespace quill
