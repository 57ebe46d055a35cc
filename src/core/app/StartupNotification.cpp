#include "core/app/StartupNotification.h"

#include <charconv>

namespace quill {

std::optional<std::uint32_t> StartupIdTime(std::string_view startupId) {
    const auto at = startupId.rfind("_TIME");
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = startupId.substr(at + 5);
    std::uint32_t time = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), time);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return time;
}

std::string StartupRemoveMessage(std::string_view startupId) {
    // A value with a space, quote or backslash is quoted, those two escaped.
    if (startupId.find_first_of(" \"\\") == std::string_view::npos) {
        return "remove: ID=" + std::string(startupId);
    }
    std::string message = "remove: ID=\"";
    for (char c : startupId) {
        if (c == '"' || c == '\\') {
            message += '\\';
        }
        message += c;
    }
    return message + '"';
}

} // namespace quill
