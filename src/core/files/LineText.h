#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Splits a data file's bytes into lines. CR LF and a lone LF both end a line;
// a last line without a line end is still a line, and a file that ends with a
// line end gives no extra empty line. A leading UTF-8 byte-order mark is skipped.
std::vector<std::string> SplitLines(std::string_view bytes);

// The same lines, handed one by one to onLine without copying them.
template <typename OnLine> void ForEachLine(std::string_view bytes, OnLine onLine);

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

std::string_view SkipByteOrderMark(std::string_view bytes);

template <typename OnLine> void ForEachLine(std::string_view bytes, OnLine onLine) {
    bytes = SkipByteOrderMark(bytes);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            onLine(bytes.substr(start));
            return;
        }
        std::size_t lineEnd = end;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        onLine(bytes.substr(start, lineEnd - start));
        start = end + 1;
    }
}

} // namespace quill
