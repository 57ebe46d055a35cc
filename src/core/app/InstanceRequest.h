#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quill {

// What a later start of the program asks the running one to do with its
// window. A plain second start asks for Show.
enum class InstanceRequest { Show, Hide, Toggle };

std::string_view InstanceRequestWord(InstanceRequest request);
std::optional<InstanceRequest> ParseInstanceRequest(std::string_view word);

// The local socket's name for one user on one display: a second start on the
// same display reaches the running program, another user's or another
// display's never. runtimeFolder is the user's private folder (see
// InstanceFolder); without one, a bare name. The display's screen number is
// left out (":0" and ":0.0" are one display).
std::string InstanceServerName(std::string_view runtimeFolder, std::string_view userId,
                               std::string_view display);

} // namespace quill
