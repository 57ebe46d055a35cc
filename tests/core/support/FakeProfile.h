#pragma once

#include "settings/Profile.h"

#include <map>
#include <string>
#include <utility>
#include <variant>

namespace quill::test {

// An in-memory profile that counts its writes and can refuse one value's.
class FakeProfile : public Profile {
public:
    using Value = std::variant<int, std::string>;
    using Key = std::pair<std::string, std::string>;

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override {
        const Value* value = Find(section, name);
        if (const auto* text = value ? std::get_if<std::string>(value) : nullptr) {
            return *text;
        }
        return value ? std::optional(std::to_string(std::get<int>(*value))) : std::nullopt;
    }

    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override {
        const Value* value = Find(section, name);
        const int* number = value ? std::get_if<int>(value) : nullptr;
        return number ? std::optional(*number) : std::nullopt;
    }

    bool WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        return Write(section, name, std::string(value));
    }
    bool WriteInt(std::string_view section, std::string_view name, int value) override {
        return Write(section, name, value);
    }

    void Set(std::string_view section, std::string_view name, Value value) {
        values[Key{section, name}] = std::move(value);
    }

    std::map<Key, Value, std::less<>> values;
    int writes = 0;
    std::string failing; // the name whose writes fail

private:
    const Value* Find(std::string_view section, std::string_view name) const {
        auto it = values.find(Key{section, name});
        return it == values.end() ? nullptr : &it->second;
    }
    // Assigned in place: a moved temporary variant trips GCC 12's uninitialised warning.
    template <class T> bool Write(std::string_view section, std::string_view name, T&& value) {
        if (name == failing) {
            return false;
        }
        values[Key{section, name}] = std::forward<T>(value);
        ++writes;
        return true;
    }
};

} // namespace quill::test
