#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quill {

// The few pieces of JSON the link host needs: strings in and out.

// A JSON string literal (with its quotes) for UTF-8 text.
std::string JsonQuote(std::string_view utf8);

// Reads a JSON string literal that starts at text[pos] (the opening quote) and
// moves pos past the closing quote. Answers nothing for anything that is not a
// well-formed literal: raw control characters, unknown escapes, lone
// surrogates, and escaped NUL (a NUL would cut the text short further on).
std::optional<std::string> ReadJsonString(std::string_view text, std::size_t& pos);

// Moves pos past JSON white space.
void SkipJsonSpace(std::string_view text, std::size_t& pos);

} // namespace quill
