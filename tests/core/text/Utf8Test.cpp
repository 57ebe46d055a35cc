#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(Utf8, TellsWellFormedFromMalformedAtEveryLengthsEdges) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"plain \x7F", true},
        {"\xC2\x80 \xDF\xBF", true}, // two bytes: U+0080 to U+07FF
        {"\xE0\xA0\x80 \xED\x9F\xBF \xEE\x80\x80",
         true},                                      // three: U+0800, either side of surrogates
        {"\xF0\x90\x80\x80 \xF4\x8F\xBF\xBF", true}, // four: U+10000 to U+10FFFF
        {"caf\xE9", false},                          // Latin-1
        {"\xC1\xBF", false},                         // overlong U+007F
        {"\xE0\x9F\xBF", false},                     // overlong U+07FF
        {"\xF0\x8F\xBF\xBF", false},                 // overlong U+FFFF
        {"\xED\xA0\x80", false},                     // surrogate
        {"\xED\xBF\xBF", false},                     // surrogate
        {"\xF4\x90\x80\x80", false},                 // past U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},             // five-byte form
        {"\xC3", false},                             // cut short
        {"\xE2\x82", false},
        {"\xC3\x28", false}, // second byte no continuation
        {"\xF0\x9F\x98\x28", false},
        {"\x80", false}, // lone continuation byte
    };
    for (auto [bytes, valid] : cases) {
        EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
    }
}

TEST(Utf8, DisplayKeepsUtf8AndReadsOtherBytesAsLatin1) {
    EXPECT_EQ(DisplayUtf8("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(DisplayUtf8("caf\xE9 \x80\xFF"), "caf\xC3\xA9 \xC2\x80\xC3\xBF");
}

} // namespace
} // namespace quill
