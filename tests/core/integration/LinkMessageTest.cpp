#include "integration/LinkMessage.h"

#include <gtest/gtest.h>

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
    for (std::string_view bad : {"",
                                 "   ",
                                 "[]",
                                 R"("href")",
                                 "{",
                                 R"({"href":"a","text":"b")",
                                 R"({"href":"a","text":"b"} x)",
                                 R"({"href":"a","text":"b"}{})",
                                 R"({"href":"a","text":"b",})",
                                 R"({"href":"a" "text":"b"})",
                                 R"({"href" "a","text":"b"})",
                                 R"({"href":"a",)",
                                 R"({"href":)",
                                 R"({"href")",
                                 R"({href:"a","text":"b"})",
                                 R"({"href":"a\q","text":"b"})",
                                 "{\"href\":\"\xff\",\"text\":\"\"}",
                                 "{}",
                                 R"({"href":"a"})",
                                 R"({"text":"a"})",
                                 R"({"href":"a","text":"b","extra":1})",
                                 R"({"href":"a","href":"b","text":"c"})",
                                 R"({"href":1,"text":"b"})",
                                 R"({"href":"a","text":null})",
                                 R"({"HREF":"a","text":"b"})"}) {
        EXPECT_TRUE(std::holds_alternative<LinkMessageError>(ParseLinkMessage(bad))) << bad;
    }
    // The extension shows the reason to the user.
    EXPECT_EQ(std::get<LinkMessageError>(ParseLinkMessage("{}")).reason,
              "the message needs both \"href\" and \"text\"");
}

} // namespace
} // namespace quill
