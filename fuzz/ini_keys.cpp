// The profile's INI text, edited in place: a value written reads back as
// written, and the other keys of the section keep their values.
#include "core/files/IniKeys.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first line is the value to write, the rest the file.
    const std::size_t split = input.find('\n');
    const std::string value(input.substr(0, split));
    const std::string_view text = split == std::string_view::npos ? "" : input.substr(split + 1);
    const auto other = quill::ReadIniValue(text, "Status", "Note text");
    const std::string edited = quill::WriteIniValues(text, "Status", {{"new_link_text", value}});
    if (quill::ReadIniValue(edited, "Status", "new_link_text") != value ||
        quill::ReadIniValue(edited, "Status", "Note text") != other) {
        std::abort();
    }
    return 0;
}
