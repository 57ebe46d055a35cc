#include "app/InstanceRequest.h"

#include <cctype>
#include <utility>

namespace quill {

namespace {

constexpr std::pair<InstanceRequest, std::string_view> kWords[] = {
    {InstanceRequest::Show, "show"},
    {InstanceRequest::Hide, "hide"},
    {InstanceRequest::Toggle, "toggle"},
};

// ":0.0" and ":0" name the same display; "host:10.1" keeps its host.
std::string_view WithoutScreen(std::string_view display) {
    const auto colon = display.rfind(':');
    const auto dot = display.rfind('.');
    if (colon != std::string_view::npos && dot != std::string_view::npos && dot > colon) {
        return display.substr(0, dot);
    }
    return display;
}

} // namespace

std::string_view InstanceRequestWord(InstanceRequest request) {
    for (const auto& [value, word] : kWords) {
        if (value == request) {
            return word;
        }
    }
    return {};
}

std::optional<InstanceRequest> ParseInstanceRequest(std::string_view word) {
    for (const auto& [value, known] : kWords) {
        if (known == word) {
            return value;
        }
    }
    return std::nullopt;
}

std::string InstanceServerName(std::string_view runtimeFolder, std::string_view userId,
                               std::string_view display) {
    std::string name = "quillmark-" + std::string(userId) + "-";
    // Only characters that are safe in a file name.
    for (unsigned char c : WithoutScreen(display)) {
        name += std::isalnum(c) != 0 ? static_cast<char>(c) : '_';
    }
    if (!runtimeFolder.empty() && runtimeFolder.front() == '/') {
        std::string folder(runtimeFolder);
        while (!folder.empty() && folder.back() == '/') {
            folder.pop_back();
        }
        return folder + "/" + name;
    }
    return name;
}

} // namespace quill
