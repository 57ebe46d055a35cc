#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quill {

// The user's profile: named values in sections ("Status", "Settings").
// Reads answer nothing for a value that is absent.
class Profile {
public:
    virtual ~Profile() = default;

    virtual std::optional<std::string> ReadString(std::string_view section,
                                                  std::string_view name) const = 0;
    virtual std::optional<int> ReadInt(std::string_view section, std::string_view name) const = 0;
    // Returns false when the value could not be stored.
    virtual bool WriteString(std::string_view section, std::string_view name,
                             std::string_view value) = 0;
    virtual bool WriteInt(std::string_view section, std::string_view name, int value) = 0;
};

} // namespace quill
