#include "integration/LinkMessage.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quill {
namespace {

TEST(LinkMessage, ReadsBothStringsInEitherOrderWithWhiteSpace) {
    const std::pair<const char*, LinkMessage> cases[] = {
        {R"({"href":"<a href=\"https://x.org/\">X</a>","text":"X\u00e9"})",
         {R"(<a href="https://x.org/">X</a>)", "X\xC3\xA9"}},
        {" \r\n{ \"text\" : \"\" ,\t\"href\" : \"h\" }\n", {"h", ""}}};
    for (const auto& [json, message] : cases) {
        auto parsed = ParseLinkMessage(json);
        ASSERT_TRUE(std::holds_alternative<LinkMessage>(parsed))
            << json << ": " << std::get<LinkMessageError>(parsed).reason;
        EXPECT_EQ(std::get<LinkMessage>(parsed), message);
    }
}

// A half-understood message must never reach the profile.
TEST(LinkMessage, RefusesAllButOneObjectWithExactlyTheTwoStrings) {
    // One refused message a line.
    std::istringstream lines("\n   \n{\"href\":\"\xff\",\"text\":\"\"}\n"
                             R"([]
"href"
{
{"href":"a","text":"b"
{"href":"a","text":"b"} x
{"href":"a","text":"b",}
{"href":"a" "text":"b"}
{"href" "a","text":"b"}
{"href":
{href:"a","text":"b"}
{"href":"a\q","text":"b"}
{}
{"href":"a"}
{"text":"a"}
{"href":"a","text":"b","extra":1}
{"href":"a","href":"b","text":"c"}
{"href":1,"text":"b"}
{"href":"a","text":null}
{"HREF":"a","text":"b"})");
    for (std::string bad; std::getline(lines, bad);) {
        EXPECT_TRUE(std::holds_alternative<LinkMessageError>(ParseLinkMessage(bad))) << bad;
    }
    // The extension shows the reason to the user.
    EXPECT_EQ(std::get<LinkMessageError>(ParseLinkMessage("{}")).reason,
              "the message needs both \"href\" and \"text\"");
}

} // namespace
} // namespace quill
