#include "core/files/IniKeys.h"

#include <cstdio>
#include <vector>

namespace quill {

namespace {

struct Line {
    std::string_view text; // without its line end
    std::size_t end;       // offset just past its line end
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t newline = text.find('\n', start);
        std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
        std::string_view line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        start = newline == std::string_view::npos ? text.size() : newline + 1;
        lines.push_back({line, start});
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsSectionHeader(std::string_view line) {
    line = Trimmed(line);
    return !line.empty() && line.front() == '[';
}

bool IsHeaderOf(std::string_view line, std::string_view section) {
    line = Trimmed(line);
    return line.size() == section.size() + 2 && line.front() == '[' && line.back() == ']' &&
           line.substr(1, section.size()) == section;
}

// The raw value when the line sets name.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view name) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != name) {
        return std::nullopt;
    }
    return line.substr(equals + 1);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | ((code >> 12) & 0x0F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Unescaped(std::string_view raw) {
    raw = Trimmed(raw);
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '"') {
            continue; // quotes only keep spaces and separators literal
        }
        if (c != '\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        char escaped = raw[++i];
        switch (escaped) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'a':
            out += '\a';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'v':
            out += '\v';
            break;
        case '0':
            out += '\0';
            break;
        case 'x': {
            unsigned code = 0;
            while (i + 1 < raw.size() && HexValue(raw[i + 1]) >= 0) {
                code = (code << 4) | static_cast<unsigned>(HexValue(raw[++i]));
            }
            AppendUtf8(out, code & 0xFFFF);
            break;
        }
        default:
            out += escaped;
            break;
        }
    }
    // QSettings marks a string that begins with "@" by doubling it.
    if (out.starts_with("@@")) {
        out.erase(0, 1);
    }
    return out;
}

std::string Escaped(std::string_view value) {
    std::string out = "\"";
    if (!value.empty() && value.front() == '@') {
        out += '@';
    }
    bool afterHex = false;
    for (char c : value) {
        auto byte = static_cast<unsigned char>(c);
        if (afterHex && HexValue(c) >= 0) {
            // a digit right after \x would be read as part of it
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
            afterHex = false;
            continue;
        } else if (c == '\n' || c == '\r' || c == '\t') {
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
            afterHex = false;
            continue;
        } else if (byte >= 0x20 && byte != 0x7F) {
            out += c;
            afterHex = false;
            continue;
        }
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%x", byte);
        out += hex;
        afterHex = true;
    }
    return out + '"';
}

} // namespace

std::optional<std::string> ReadIniValue(std::string_view text, std::string_view section,
                                        std::string_view name) {
    std::optional<std::string> found;
    bool inSection = false;
    for (const Line& line : SplitLines(text)) {
        if (IsSectionHeader(line.text)) {
            inSection = IsHeaderOf(line.text, section);
        } else if (inSection) {
            if (auto raw = ValueOf(line.text, name)) {
                found = Unescaped(*raw); // the last one wins, as in QSettings
            }
        }
    }
    return found;
}

std::string WriteIniValues(std::string_view text, std::string_view section,
                           const std::map<std::string, std::string>& values) {
    std::map<std::string, std::string> missing = values;
    std::string out;
    bool inSection = false;
    bool sawSection = false;
    auto addMissing = [&] {
        if (!out.empty() && out.back() != '\n') {
            out += '\n';
        }
        for (const auto& [name, value] : missing) {
            out += name + '=' + Escaped(value) + '\n';
        }
        missing.clear();
    };
    std::size_t start = 0;
    for (const Line& line : SplitLines(text)) {
        std::string_view whole = text.substr(start, line.end - start);
        start = line.end;
        if (IsSectionHeader(line.text)) {
            if (inSection) {
                addMissing();
            }
            inSection = IsHeaderOf(line.text, section);
            sawSection = sawSection || inSection;
        } else if (inSection) {
            std::size_t equals = line.text.find('=');
            auto it = equals == std::string_view::npos
                          ? values.end()
                          : values.find(std::string(Trimmed(line.text.substr(0, equals))));
            if (it != values.end()) {
                out += it->first + '=' + Escaped(it->second) + '\n';
                missing.erase(it->first);
                continue;
            }
        }
        out += whole;
    }
    if (!sawSection) {
        if (!out.empty() && out.back() != '\n') {
            out += '\n';
        }
        out += out.empty() ? "[" : "\n[";
        out += std::string(section) + "]\n";
    }
    if (!missing.empty()) {
        addMissing();
    }
    return out;
}

} // namespace quill
