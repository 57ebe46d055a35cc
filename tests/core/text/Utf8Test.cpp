#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(Utf8, TellsWellFormedFromMalformed) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ascii"));
    EXPECT_TRUE(IsValidUtf8("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));          // Latin-1
    EXPECT_FALSE(IsValidUtf8("\xC3"));             // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\x80"));             // lone continuation byte
}

TEST(Utf8, DisplayKeepsUtf8AndReadsOtherBytesAsLatin1) {
    EXPECT_EQ(DisplayUtf8("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(DisplayUtf8("caf\xE9 \xFF"), "caf\xC3\xA9 \xC3\xBF");
}

} // namespace
} // namespace quill
