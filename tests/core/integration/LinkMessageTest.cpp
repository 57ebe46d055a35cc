#include "core/integration/LinkMessage.h"

#include "core/integration/JsonText.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(LinkMessage, ReadsOneObjectWithExactlyTheTwoStringsInEitherOrder) {
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
    // A half-understood message must never reach the program: each one is refused.
    // clang-format off
    const char* const bad[] = {
        "", "   ", "{\"href\":\"\xff\",\"text\":\"\"}", "[]", R"("href")", "{", R"({"href":)", "{}",
        R"({"href":"a","text":"b")", R"({"href":"a","text":"b"} x)", R"({"href":"a","text":"b",})",
        R"({"href":"a" "text":"b"})", R"({"href" "a","text":"b"})", R"({"href"="a","text":"b"})",
        R"({href:"a","text":"b"})", R"({"href":"a\q","text":"b"})", R"({"href":"a"})",
        R"({"text":"a"})", R"({"href":"a","text":"b","extra":1})", R"({"href":1,"text":"b"})",
        R"({"href":"a","href":"b","text":"c"})", R"({"href":"a","text":null})",
        R"({"HREF":"a","text":"b"})"};
    // clang-format on
    for (const char* message : bad) {
        EXPECT_TRUE(std::holds_alternative<LinkMessageError>(ParseLinkMessage(message))) << message;
    }
    // The extension shows the reason to the user.
    EXPECT_EQ(std::get<LinkMessageError>(ParseLinkMessage("{}")).reason,
              "the message needs both \"href\" and \"text\"");
}

std::optional<std::string> Read(std::string_view literal) {
    std::size_t pos = 0;
    auto text = ReadJsonString(literal, pos);
    if (text && pos != literal.size()) {
        ADD_FAILURE() << literal << " read up to " << pos;
    }
    return text;
}

TEST(JsonText, EveryTextQuotesToPrintableJsonThatReadsBackTheSame) {
    std::string allBytes;
    for (int c = 1; c < 0x80; ++c) {
        allBytes.push_back(static_cast<char>(c));
    }
    for (const std::string& text :
         {std::string(), allBytes, std::string("\xC3\xA9 \xF0\x9F\x98\x80")}) {
        const std::string quoted = JsonQuote(text);
        for (char c : quoted) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << quoted;
        }
        EXPECT_EQ(Read(quoted), text);
    }
}

TEST(JsonText, DecodesEveryEscapeIntoUtf8AndRefusesAllButOneWellFormedLiteral) {
    EXPECT_EQ(Read(R"("a\/b\\c\"d\n\t\r\b\f")"), "a/b\\c\"d\n\t\r\b\f");
    EXPECT_EQ(Read(R"("\u0041\u0080\u00e9\u07FF\u0800\u20AC\uFFFF\ud800\udc00\uDBFF\uDFFF)"
                   R"(\ud83d\ude00")"),
              "A\xC2\x80\xC3\xA9\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF\xF0\x90\x80\x80"
              "\xF4\x8F\xBF\xBF\xF0\x9F\x98\x80");
    // A lone surrogate has no UTF-8 form; a NUL would cut the text short later on.
    for (std::string_view bad :
         {"", "abc", "\"abc", "\"abc\\", "\"a\nb\"", "\"\x1f\"", R"("\x41")", R"("\u12")",
          R"("\u12g4")", R"("\ud83d")", R"("\ude00")", R"("\ud83dx")", R"("\ud83d\u0041")",
          R"("\ud83d\ud83d")", R"("\u0000")", R"("\U0041")"}) {
        std::size_t pos = 0;
        EXPECT_TRUE(!ReadJsonString(bad, pos) && pos == 0) << bad;
    }
}

} // namespace
} // namespace quill
