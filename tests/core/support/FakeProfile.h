#pragma once

#include "core/settings/Profile.h"

#include <charconv>
#include <map>
#include <string>

namespace quill::test {

// An in-memory profile that counts its writes and can refuse one value's.
// Numbers are kept as text, as in the profile file.
class FakeProfile : public Profile {
public:
    using Key = std::pair<std::string, std::string>;

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override {
        auto it = values.find(Key{section, name});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override {
        const std::string text = ReadString(section, name).value_or("");
        int number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        return error == std::errc() && end == text.data() + text.size() ? std::optional(number)
                                                                        : std::nullopt;
    }
    bool WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        if (name == failing) {
            return false;
        }
        values[Key{section, name}] = value;
        ++writes;
        return true;
    }
    bool WriteInt(std::string_view section, std::string_view name, int value) override {
        return WriteString(section, name, std::to_string(value));
    }

    std::map<Key, std::string> values;
    int writes = 0;
    std::string failing; // the name whose writes fail
};

} // namespace quill::test
