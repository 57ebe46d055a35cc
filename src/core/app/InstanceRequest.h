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
// display's never. runtimeFolder ($XDG_RUNTIME_DIR) is private to the user;
// without it the name goes to the shared temporary folder, so it carries the
// user's id. The display's screen number is left out (":0" and ":0.0" are one
// display).
std::string InstanceServerName(std::string_view runtimeFolder, std::string_view userId,
                               std::string_view display);

} // namespace quill
