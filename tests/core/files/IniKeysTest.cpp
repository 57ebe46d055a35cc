#include "core/files/IniKeys.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(IniKeys, ValuesRoundTripQSettingsEscapesAreReadAndOnlyTheNamedKeysChange) {
    for (const std::string& value :
         {std::string("@at, comma; = \"q\" \\ \xC3\x9F"), std::string(" padded "),
          std::string("tab\tx\0012F\177a"), std::string("line\nbreak\r\n"), std::string()}) {
        const std::string text = WriteIniValues("[Status]\r\n", "Status", {{"k", value}});
        EXPECT_EQ(ReadIniValue(text, "Status", "k"), value) << text;
    }
    const std::pair<const char*, std::string> read[] = {
        {" \"  padded \" ", "  padded "},
        {R"(\a\b\f\v\q\n\r\t\)", "\a\b\f\vq\n\r\t\\"},
        {R"(\0)", std::string(1, '\0')},
        {R"(\x41\x80\xe9\x7FF\x20AC)", "A\xC2\x80\xC3\xA9\xDF\xBF\xE2\x82\xAC"},
        {"@@at", "@at"}};
    for (const auto& [raw, value] : read) {
        EXPECT_EQ(ReadIniValue(std::string("[Status]\nk=") + raw + "\n", "Status", "k"), value)
            << raw;
    }
    // Only the named keys of the section change.
    const std::string text = "[Other]\r\nk=other\r\n [Status] \r\n k = old\r\nkeep=1\r\n"
                             "k=last\r\n[Statusx]\r\nk=x";
    EXPECT_EQ(ReadIniValue(text, "Status", "k"), "last");
    EXPECT_EQ(ReadIniValue(text, "Status", "n"), std::nullopt);
    EXPECT_EQ(
        WriteIniValues(text, "Status", {{"k", "v"}, {"n", "w\t\r\n\177"}}),
        "[Other]\r\nk=other\r\n [Status] \r\nk=\"v\"\nkeep=1\r\nk=\"v\"\nn=\"w\\t\\r\\n\\x7f\"\n"
        "[Statusx]\r\nk=x");
    const std::pair<const char*, const char*> added[] = {
        {"", "[Status]\nk=\"v\"\n"},
        {"a=1", "a=1\n\n[Status]\nk=\"v\"\n"},
        {"[Status]\nkeep=1", "[Status]\nkeep=1\nk=\"v\"\n"}};
    for (const auto& [before, after] : added) {
        EXPECT_EQ(WriteIniValues(before, "Status", {{"k", "v"}}), after) << before;
    }
}

} // namespace
} // namespace quill
