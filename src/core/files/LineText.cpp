#include "core/files/LineText.h"

namespace quill {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}

std::string_view SkipByteOrderMark(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    ForEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string FlattenLineBreaks(std::string_view text) {
    std::string flat;
    flat.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            flat.push_back(' ');
        } else if (c == '\n') {
            flat.push_back(' ');
        } else {
            flat.push_back(c);
        }
    }
    return flat;
}

std::string KeepOnOneLine(std::string_view text) {
    if (text.find('\n') == std::string_view::npos) {
        return std::string(text);
    }
    return FlattenLineBreaks(text);
}

SplitPair SplitAtFirst(std::string_view text, char separator) {
    std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        return {std::string(text), std::string(text)};
    }
    return {std::string(text.substr(0, at)), std::string(text.substr(at + 1))};
}

} // namespace quill
