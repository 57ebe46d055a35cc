#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// The X server time a launcher writes at the end of a startup id
// ("..._TIME<n>"): the time of the user's click, which lets the window be
// raised where the desktop prevents focus stealing. None without it.
std::optional<std::uint32_t> StartupIdTime(std::string_view startupId);

// The startup-notification message that ends the launcher's feedback (its
// busy cursor) for startupId.
std::string StartupRemoveMessage(std::string_view startupId);

} // namespace quill
