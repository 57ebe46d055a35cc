#include "integration/LinkMessage.h"
#include "integration/JsonText.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

LinkMessage Accepted(std::string_view json) {
    auto parsed = ParseLinkMessage(json);
    if (auto* error = std::get_if<LinkMessageError>(&parsed)) {
        ADD_FAILURE() << json << " refused: " << error->reason;
        return {};
    }
    return std::get<LinkMessage>(parsed);
}

bool Refused(std::string_view json) {
    return std::holds_alternative<LinkMessageError>(ParseLinkMessage(json));
}

TEST(LinkMessage, ReadsBothStringsInEitherOrderWithWhiteSpace) {
    EXPECT_EQ(Accepted(R"({"href":"<a href=\"https://x.org/\">X</a>","text":"X"})"),
              (LinkMessage{R"(<a href="https://x.org/">X</a>)", "X"}));
    EXPECT_EQ(Accepted(" \r\n{ \"text\" : \"\" ,\t\"href\" : \"h\" }\n"), (LinkMessage{"h", ""}));
}

TEST(LinkMessage, DecodesEscapesIntoUtf8) {
    EXPECT_EQ(Accepted(R"({"href":"a\/b\\c\"d","text":"l1\nl2\tx\r\b\f"})"),
              (LinkMessage{"a/b\\c\"d", "l1\nl2\tx\r\b\f"}));
    // é, the euro sign and a character outside the basic plane (a surrogate pair).
    EXPECT_EQ(Accepted(R"({"href":"\u00e9\u20AC\ud83d\ude00","text":"é€😀"})"),
              (LinkMessage{"é€😀", "é€😀"}));
}

TEST(LinkMessage, RefusesWhatIsNotOneWellFormedObjectWithTheTwoStrings) {
    for (std::string_view bad : {
             "",
             "   ",
             "[]",
             R"("href")",
             R"({"href":"a","text":"b")",
             R"({"href":"a","text":"b"} x)",
             R"({"href":"a","text":"b"}{})",
             R"({"href":"a","text":"b",})",
             R"({"href":"a" "text":"b"})",
             R"({"href" "a","text":"b"})",
             R"({href:"a","text":"b"})",
             R"({'href':'a','text':'b'})",
             "{\"href\":\"a\nb\",\"text\":\"\"}",
             R"({"href":"a\x41","text":""})",
             R"({"href":"\u12","text":""})",
             R"({"href":"\ud83d","text":""})",
             R"({"href":"\ude00","text":""})",
             R"({"href":"\ud83d\u0041","text":""})",
             R"({"href":"\u0000","text":""})",
             R"({"href":"abc)",
             "{\"href\":\"\xff\",\"text\":\"\"}", // not UTF-8
             "{\"href\":\"\xc3\",\"text\":\"\"}",
             // Wrong fields.
             "{}",
             R"({"href":"a"})",
             R"({"text":"a"})",
             R"({"href":"a","text":"b","extra":1})",
             R"({"href":"a","href":"b","text":"c"})",
             R"({"href":1,"text":"b"})",
             R"({"href":"a","text":null})",
             R"({"href":["a"],"text":"b"})",
             R"({"HREF":"a","text":"b"})",
         }) {
        EXPECT_TRUE(Refused(bad)) << bad;
    }
}

TEST(LinkMessage, QuotedTextReadsBackUnchanged) {
    std::string text = "quote \" backslash \\ tab \t line\r\n bell \x07 é";
    std::string quoted = JsonQuote(text);
    std::size_t pos = 0;
    auto back = ReadJsonString(quoted, pos);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, text);
    EXPECT_EQ(pos, quoted.size());
    EXPECT_EQ(quoted.find('\x07'), std::string::npos);
}

} // namespace
} // namespace quill
