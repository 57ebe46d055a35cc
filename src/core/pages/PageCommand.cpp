#include "core/pages/PageCommand.h"

#include <limits>

namespace quill {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::int64_t ReadCommandIndex(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        int digit = text[pos] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return negative ? -value : value;
}

PageCommandText SplitPageCommand(std::string_view text) {
    std::size_t bar = text.find('|');
    if (bar == std::string_view::npos) {
        return {std::string(text), ReadCommandIndex(text)};
    }
    return {std::string(text.substr(0, bar)), ReadCommandIndex(text.substr(bar + 1))};
}

} // namespace quill
