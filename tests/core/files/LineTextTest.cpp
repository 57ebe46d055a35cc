#include "files/LineText.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsBothLineEndsAndAddsNoEmptyLastLine) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("\r\n\r\nx\r\n"), (Lines{"", "", "x"}));
    // A lone CR is no line end; it stays in the text.
    EXPECT_EQ(SplitLines("a\rb\r\n"), (Lines{"a\rb"}));
}

TEST(SplitLines, SkipsAByteOrderMarkOnlyAtTheStart) {
    EXPECT_EQ(SplitLines("\xEF\xBB\xBF"
                         "a|b\r\n"),
              (Lines{"a|b"}));
    EXPECT_EQ(SplitLines("a\r\n\xEF\xBB\xBF"
                         "b"),
              (Lines{"a", "\xEF\xBB\xBF"
                          "b"}));
}

TEST(FlattenLineBreaks, TurnsEachBreakIntoOneBlank) {
    EXPECT_EQ(FlattenLineBreaks("one\r\ntwo\nthree\rfour"), "one two three four");
    EXPECT_EQ(KeepOnOneLine("keeps\ra lone CR"), "keeps\ra lone CR");
    EXPECT_EQ(KeepOnOneLine("two\r\nlines"), "two lines");
}

TEST(SplitAtFirst, WithoutSeparatorGivesTheWholeTextTwice) {
    EXPECT_EQ(SplitAtFirst("a|b|c", '|').before, "a");
    EXPECT_EQ(SplitAtFirst("a|b|c", '|').after, "b|c");
    EXPECT_EQ(SplitAtFirst("abc", '|').before, "abc");
    EXPECT_EQ(SplitAtFirst("abc", '|').after, "abc");
    EXPECT_EQ(SplitAtFirst("|", '|').before, "");
    EXPECT_EQ(SplitAtFirst("|", '|').after, "");
}

} // namespace
} // namespace quill
