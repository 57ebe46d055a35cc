#include "core/find/ShownText.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace quill {

namespace {

bool IsHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (LowerAscii(text[at + i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Elements that start a block of their own: text never runs across them.
bool BreaksBlock(std::string_view name) {
    // Most tags are one of a few: try the likely ones first, by length.
    switch (name.size()) {
    case 1:
        return name[0] == 'p';
    case 2:
        return name == "td" || name == "tr" || name == "br" || name == "th" || name == "li" ||
               name == "ol" || name == "ul" || name == "hr" ||
               (name[0] == 'h' && name[1] >= '1' && name[1] <= '6');
    case 3:
        return name == "div";
    case 4:
        return name == "body" || name == "html";
    case 5:
        return name == "table" || name == "tbody";
    case 6:
        return name == "center";
    default:
        return false;
    }
}

// A reference to no character (or to none a text may hold) shows as U+FFFD.
void AppendShownCode(std::string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    AppendUtf8(out, code);
}

struct Reference {
    std::uint32_t code = 0;
    std::size_t length = 0; // 0: not a reference, the "&" is shown as it is
};

// The named references the pages and their stored texts use. Browsers also
// read these without the closing ";"; any other name is left to the engine.
Reference NamedReference(std::string_view html, std::size_t at) {
    struct Name {
        std::string_view name;
        std::uint32_t code;
    };
    static constexpr std::array<Name, 8> kNames{{{"nbsp", 0xA0},
                                                 {"amp", '&'},
                                                 {"lt", '<'},
                                                 {"gt", '>'},
                                                 {"quot", '"'},
                                                 {"copy", 0xA9},
                                                 {"reg", 0xAE},
                                                 {"apos", '\''}}};
    for (const Name& name : kNames) {
        if (at + 1 < html.size() && html[at + 1] == name.name[0] &&
            html.compare(at + 1, name.name.size(), name.name) == 0) {
            std::size_t length = 1 + name.name.size();
            const bool closed = at + length < html.size() && html[at + length] == ';';
            if (!closed && name.code == '\'') {
                continue; // not one of the legacy names
            }
            return {name.code, length + (closed ? 1 : 0)};
        }
    }
    return {};
}

Reference NumericReference(std::string_view html, std::size_t at) {
    std::size_t pos = at + 2; // past "&#"
    const bool hex = pos < html.size() && (html[pos] == 'x' || html[pos] == 'X');
    pos += hex ? 1 : 0;
    const std::size_t first = pos;
    std::uint32_t code = 0;
    for (; pos < html.size(); ++pos) {
        const char c = LowerAscii(html[pos]);
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        } else {
            break;
        }
        code = std::min<std::uint32_t>(code * (hex ? 16 : 10) + digit, 0x110000);
    }
    if (pos == first) {
        return {};
    }
    return {code, pos - at + (pos < html.size() && html[pos] == ';' ? 1 : 0)};
}

class TextWriter {
public:
    explicit TextWriter(std::size_t expected) { m_text.reserve(expected); }

    void Space() { m_space = true; }
    void Break() {
        m_space = false;
        if (!m_text.empty() && m_text.back() != '\n') {
            m_text.push_back('\n');
        }
    }
    void Put(std::string_view shown) {
        if (std::exchange(m_space, false) && !m_text.empty() && m_text.back() != '\n') {
            m_text.push_back(' ');
        }
        m_text.append(shown);
    }
    std::string Take() {
        if (!m_text.empty() && m_text.back() == '\n') {
            m_text.pop_back();
        }
        return std::move(m_text);
    }

private:
    std::string m_text;
    bool m_space = false; // white space seen since the last shown character
};

// What a search that ignores case compares, as the engine's does: letters in
// lower case, the accented Latin-1 letters as their plain ones ("É" as "e")
// and a non-breaking space as a space.
std::string FoldForSearch(std::string_view text) {
    // Latin-1 letters U+00C0 to U+00FF by their UTF-8 second byte; 0: keep.
    static constexpr char kLatin1[] = "aaaaaa\xE6"
                                      "ceeeeiiii\xF0"
                                      "nooooo\0\xF8"
                                      "uuuuy\xFE\0"
                                      "aaaaaa\xE6"
                                      "ceeeeiiii\xF0"
                                      "nooooo\0\xF8"
                                      "uuuuy\xFEy";
    static_assert(sizeof kLatin1 == 64 + 1);
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (text[i] == '\xC2' && next == 0xA0) {
            folded.push_back(' ');
            ++i;
        } else if (text[i] == '\xC3' && next >= 0x80 && next <= 0xBF && kLatin1[next - 0x80] != 0) {
            const auto plain = static_cast<unsigned char>(kLatin1[next - 0x80]);
            if (plain < 0x80) {
                folded.push_back(static_cast<char>(plain));
            } else { // a letter of its own: only its case is folded
                AppendShownCode(folded, plain);
            }
            ++i;
        } else {
            folded.push_back(LowerAscii(text[i]));
        }
    }
    return folded;
}

} // namespace

std::string ShownPageText(std::string_view html) {
    TextWriter out(html.size() / 8);
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '<' && i + 1 < html.size() && html[i + 1] == '!' &&
            html.compare(i, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        if (c == '<') {
            const std::size_t nameStart = i + 1 + (i + 1 < html.size() && html[i + 1] == '/');
            std::size_t nameEnd = nameStart;
            while (nameEnd < html.size() && IsAlnum(html[nameEnd])) {
                ++nameEnd;
            }
            if (nameEnd > nameStart && LowerAscii(html[nameStart]) >= 'a' &&
                LowerAscii(html[nameStart]) <= 'z') {
                // Longer names are neither blocks nor hidden content.
                char lower[7] = {};
                const std::size_t length = nameEnd - nameStart;
                for (std::size_t k = 0; k < std::min<std::size_t>(length, 6); ++k) {
                    lower[k] = LowerAscii(html[nameStart + k]);
                }
                const std::string_view name = length <= 6 ? std::string_view(lower, length) : "";
                const std::size_t close = html.find('>', nameEnd);
                i = close == std::string_view::npos ? html.size() : close + 1;
                if ((name == "style" || name == "script") && html[nameStart - 1] != '/') {
                    // Their content is never shown.
                    std::size_t end = i;
                    while (end < html.size() && !(html.compare(end, 2, "</") == 0 &&
                                                  StartsWithNoCase(html, end + 2, name))) {
                        end = html.find('<', end + 1);
                        end = end == std::string_view::npos ? html.size() : end;
                    }
                    i = end;
                } else if (BreaksBlock(name)) {
                    out.Break();
                }
                continue;
            }
        }
        if (IsHtmlSpace(c)) {
            out.Space();
            ++i;
            continue;
        }
        if (c == '&') {
            const Reference ref = i + 1 < html.size() && html[i + 1] == '#'
                                      ? NumericReference(html, i)
                                      : NamedReference(html, i);
            if (ref.length > 0) {
                std::string shown;
                AppendShownCode(shown, ref.code);
                out.Put(shown);
                i += ref.length;
                continue;
            }
        }
        // A run of plain text up to the next tag, reference or space.
        std::size_t end = i + 1;
        while (end < html.size() && html[end] != '<' && html[end] != '&' &&
               !IsHtmlSpace(html[end])) {
            ++end;
        }
        out.Put(html.substr(i, end - i));
        i = end;
    }
    return out.Take();
}

ShownText::ShownText(std::string_view html)
    : m_text(ShownPageText(html)), m_folded(FoldForSearch(m_text)) {}

std::vector<TextSpan> ShownText::Matches(std::string_view needle, bool matchCase) const {
    std::vector<TextSpan> matches;
    if (needle.empty() || needle.find('\n') != std::string_view::npos) {
        return matches;
    }
    const std::string folded = matchCase ? std::string(needle) : FoldForSearch(needle);
    const std::string_view text = matchCase ? m_text : m_folded;
    for (std::size_t at = text.find(folded); at != std::string_view::npos;
         at = text.find(folded, at + folded.size())) {
        matches.push_back({at, at + folded.size()});
    }
    return matches;
}

} // namespace quill
