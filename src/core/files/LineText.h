#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Splits a data file's bytes into lines. CR LF and a lone LF both end a line;
// a last line without a line end is still a line, and a file that ends with a
// line end gives no extra empty line. A leading UTF-8 byte-order mark is skipped.
std::vector<std::string> SplitLines(std::string_view bytes);

// The line end every data file is written with.
inline constexpr std::string_view kLineEnd = "\r\n";

// A record field must stay on its own line: every CR, LF or CR LF becomes one blank.
std::string FlattenLineBreaks(std::string_view text);

// What a field looks like when written to a data file: unchanged unless it holds
// a line feed, which would split the record; then its line breaks become blanks.
std::string KeepOnOneLine(std::string_view text);

// Splits at the first separator. Without one, both halves are the whole text.
struct SplitPair {
    std::string before;
    std::string after;
};
SplitPair SplitAtFirst(std::string_view text, char separator);

} // namespace quill
