#include "core/app/InstanceRequest.h"

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

constexpr std::string_view kStartupIdField = "startup-id=";
constexpr std::string_view kActivationTokenField = "activation-token=";
// Room for the word and both field names.
constexpr std::size_t kLongestToken = (kInstanceMessageLimit - 64) / 6;

// Tokens are opaque bytes; encoded, they hold no space or line end.
std::string Encoded(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : value) {
        if (c > ' ' && c < 0x7f && c != '%') {
            text += static_cast<char>(c);
        } else {
            text += {'%', kHex[c >> 4], kHex[c & 15]};
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::optional<std::string> Decoded(std::string_view text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            value += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low < 0) {
            return std::nullopt;
        }
        value += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return value;
}

void AddField(std::string& line, std::string_view field, std::string_view value) {
    if (!value.empty() && value.size() <= kLongestToken) {
        line += ' ';
        line += field;
        line += Encoded(value);
    }
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

std::string FormatInstanceMessage(const InstanceMessage& message) {
    std::string line(InstanceRequestWord(message.request));
    AddField(line, kStartupIdField, message.startupId);
    AddField(line, kActivationTokenField, message.activationToken);
    return line;
}

std::optional<InstanceMessage> ParseInstanceMessage(std::string_view line) {
    const auto wordEnd = line.find(' ');
    const auto request = ParseInstanceRequest(line.substr(0, wordEnd));
    if (!request) {
        return std::nullopt;
    }
    InstanceMessage message{.request = *request};
    std::string_view rest = wordEnd == std::string_view::npos ? "" : line.substr(wordEnd + 1);
    while (!rest.empty()) {
        const auto end = rest.find(' ');
        const std::string_view field = rest.substr(0, end);
        rest = end == std::string_view::npos ? "" : rest.substr(end + 1);
        for (auto [name, value] : {std::pair{kStartupIdField, &message.startupId},
                                   {kActivationTokenField, &message.activationToken}}) {
            if (field.starts_with(name)) {
                auto decoded = Decoded(field.substr(name.size()));
                if (!decoded) {
                    return std::nullopt;
                }
                *value = std::move(*decoded);
            }
        }
    }
    return message;
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
