#pragma once

#include "settings/Profile.h"

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace quill::test {

// An in-memory profile that remembers the order of its writes.
class FakeProfile : public Profile {
public:
    using Value = std::variant<int, std::string>;
    using Key = std::pair<std::string, std::string>;

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override {
        auto it = values.find(Key{section, name});
        if (it == values.end()) {
            return std::nullopt;
        }
        if (auto* text = std::get_if<std::string>(&it->second)) {
            return *text;
        }
        return std::to_string(std::get<int>(it->second));
    }

    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override {
        auto it = values.find(Key{section, name});
        if (it == values.end()) {
            return std::nullopt;
        }
        if (auto* number = std::get_if<int>(&it->second)) {
            return *number;
        }
        try {
            return std::stoi(std::get<std::string>(it->second));
        } catch (...) {
            return 0;
        }
    }

    bool WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        if (failWrites) {
            return false;
        }
        values[Key{section, name}] = std::string(value);
        writes.emplace_back(name);
        return true;
    }

    bool WriteInt(std::string_view section, std::string_view name, int value) override {
        if (failWrites) {
            return false;
        }
        values[Key{section, name}] = value;
        writes.emplace_back(name);
        return true;
    }

    void Set(std::string_view section, std::string_view name, Value value) {
        values[Key{section, name}] = std::move(value);
    }

    std::map<Key, Value, std::less<>> values;
    std::vector<std::string> writes;
    bool failWrites = false;
};

} // namespace quill::test
