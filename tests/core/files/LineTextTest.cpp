#include "files/LineText.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, BothLineEndsEndALineAndALoneCrStaysText) {
    const std::pair<const char*, Lines> cases[] = {
        {"", {}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\r\n\nx\r\n", {"", "", "x"}},
        {"a\rb\r\r\n", {"a\rb\r"}},
        {"\xEF\xBB\xBF"
         "a\r\n\xEF\xBB\xBF",
         {"a", "\xEF\xBB\xBF"}}, // a byte-order mark is skipped only at the start
    };
    for (const auto& [bytes, lines] : cases) {
        EXPECT_EQ(SplitLines(bytes), lines) << bytes;
    }
}

TEST(FlattenLineBreaks, EachBreakBecomesOneBlankButOnlyALineFeedForcesIt) {
    EXPECT_EQ(FlattenLineBreaks("\r\none\r\ntwo\nthree\rfour\r\n"), " one two three four ");
    EXPECT_EQ(FlattenLineBreaks("a\r"), "a ");
    EXPECT_EQ(KeepOnOneLine("keeps\ra lone CR"), "keeps\ra lone CR");
    EXPECT_EQ(KeepOnOneLine("x\ry\n"), "x y ");
}

} // namespace
} // namespace quill
