#include "core/integration/JsonText.h"

#include "core/text/Utf8.h"

#include <cstdint>

namespace quill {

namespace {

std::optional<std::uint32_t> ReadHex4(std::string_view text, std::size_t pos) {
    const std::string_view digits = text.substr(pos, 4);
    if (digits.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        value <<= 4;
        if (c >= '0' && c <= '9') {
            value |= static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            value |= static_cast<std::uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            value |= static_cast<std::uint32_t>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
    }
    return value;
}

// Reads the \uXXXX escape at text[pos] (the backslash), with the low half of a
// surrogate pair when the first one is a high half.
std::optional<std::uint32_t> ReadUnicodeEscape(std::string_view text, std::size_t& pos) {
    auto first = ReadHex4(text, pos + 2);
    if (!first) {
        return std::nullopt;
    }
    pos += 6;
    if (*first >= 0xDC00 && *first <= 0xDFFF) {
        return std::nullopt;
    }
    if (*first < 0xD800 || *first > 0xDBFF) {
        return first;
    }
    if (text.substr(pos, 2) != "\\u") {
        return std::nullopt;
    }
    auto second = ReadHex4(text, pos + 2);
    if (!second || *second < 0xDC00 || *second > 0xDFFF) {
        return std::nullopt;
    }
    pos += 6;
    return 0x10000 + ((*first - 0xD800) << 10) + (*second - 0xDC00);
}

} // namespace

std::string JsonQuote(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : utf8) {
        auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out.push_back(kHex[byte >> 4]);
                out.push_back(kHex[byte & 0xF]);
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
}

void SkipJsonSpace(std::string_view text, std::size_t& pos) {
    while (pos < text.size() &&
           (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' || text[pos] == '\r')) {
        ++pos;
    }
}

std::optional<std::string> ReadJsonString(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"') {
        return std::nullopt;
    }
    std::size_t at = pos + 1;
    std::string out;
    while (at < text.size()) {
        char c = text[at];
        if (c == '"') {
            pos = at + 1;
            return out;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            return std::nullopt;
        }
        if (c != '\\') {
            out.push_back(c);
            ++at;
            continue;
        }
        if (at + 1 >= text.size()) {
            return std::nullopt;
        }
        char escape = text[at + 1];
        switch (escape) {
        case '"':
        case '\\':
        case '/':
            out.push_back(escape);
            break;
        case 'b':
            out.push_back('\b');
            break;
        case 'f':
            out.push_back('\f');
            break;
        case 'n':
            out.push_back('\n');
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'u': {
            auto code = ReadUnicodeEscape(text, at);
            if (!code || *code == 0) {
                return std::nullopt;
            }
            AppendUtf8(out, *code);
            continue;
        }
        default:
            return std::nullopt;
        }
        at += 2;
    }
    return std::nullopt;
}

} // namespace quill
