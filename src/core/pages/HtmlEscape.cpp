#include "core/pages/HtmlEscape.h"

#include "core/text/Utf8.h"

namespace quill {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Length of the run of characters matching pred, starting at from.
template <typename Pred> std::size_t RunLength(std::string_view text, std::size_t from, Pred pred) {
    std::size_t end = from;
    while (end < text.size() && pred(text[end])) {
        ++end;
    }
    return end - from;
}

// True when the "&" at position at begins a well-formed character reference.
bool StartsCharacterReference(std::string_view text, std::size_t at) {
    std::size_t pos = at + 1;
    std::size_t digits = 0;
    if (pos < text.size() && text[pos] == '#') {
        ++pos;
        if (pos < text.size() && (text[pos] == 'x' || text[pos] == 'X')) {
            ++pos;
            digits = RunLength(text, pos, IsHexDigit);
        } else {
            digits = RunLength(text, pos, IsDecimalDigit);
        }
    } else if (pos < text.size() && IsAsciiLetter(text[pos])) {
        digits = RunLength(text, pos, [](char c) { return IsAsciiLetter(c) || IsDecimalDigit(c); });
    }
    pos += digits;
    return digits > 0 && pos < text.size() && text[pos] == ';';
}

} // namespace

void AppendHtmlEscaped(std::string& out, std::string_view text) {
    // The page is UTF-8: a text from an older editor shows as Latin-1 rather
    // than as replacement characters.
    if (!IsValidUtf8(text)) {
        AppendHtmlEscaped(out, DisplayUtf8(text));
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (char c = text[i]) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '&':
            out += StartsCharacterReference(text, i) ? "&" : "&amp;";
            break;
        default:
            out.push_back(c);
        }
    }
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendHtmlEscaped(out, text);
    return out;
}

} // namespace quill
