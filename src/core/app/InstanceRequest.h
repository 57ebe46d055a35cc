#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// What a later start of the program asks the running one to do with its
// window. A plain second start asks for Show.
enum class InstanceRequest { Show, Hide, Toggle };

std::string_view InstanceRequestWord(InstanceRequest request);
std::optional<InstanceRequest> ParseInstanceRequest(std::string_view word);

// A request with what the launcher gave the later start: with it the running
// program ends the launcher's busy cursor and may raise its window where the
// desktop prevents focus stealing.
struct InstanceMessage {
    InstanceRequest request = InstanceRequest::Show;
    std::string startupId{};       // DESKTOP_STARTUP_ID, X11 startup notification
    std::string activationToken{}; // XDG_ACTIVATION_TOKEN, Wayland activation

    bool operator==(const InstanceMessage&) const = default;
};

// The longest message line a running program reads.
constexpr std::size_t kInstanceMessageLimit = 4096;

// One line, without its newline: the request's word, then "startup-id=" and
// "activation-token=" with percent-encoded values. A bare word, as earlier
// versions send, is a message without tokens; fields not known are skipped.
// A token too long for the line is left out.
std::string FormatInstanceMessage(const InstanceMessage& message);
std::optional<InstanceMessage> ParseInstanceMessage(std::string_view line);

// The local socket's name for one user on one display: a second start on the
// same display reaches the running program, another user's or another
// display's never. runtimeFolder is the user's private folder (see
// InstanceFolder); without one, a bare name. The display's screen number is
// left out (":0" and ":0.0" are one display).
std::string InstanceServerName(std::string_view runtimeFolder, std::string_view userId,
                               std::string_view display);

} // namespace quill
