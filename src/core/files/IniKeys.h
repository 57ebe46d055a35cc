#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// A few string values of one section of an INI file as QSettings writes it,
// read and changed in the text itself. Every other line stays byte for byte,
// including lines QSettings could not parse.

// The value of name in [section], unescaped; nothing where it is absent.
std::optional<std::string> ReadIniValue(std::string_view text, std::string_view section,
                                        std::string_view name);

// The text with each name in [section] set to its value: existing lines are
// rewritten in place, missing ones added at the end of the section (the
// section at the end of the file where there is none).
std::string WriteIniValues(std::string_view text, std::string_view section,
                           const std::map<std::string, std::string>& values);

} // namespace quill
