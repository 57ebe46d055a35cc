#include "core/text/Utf8.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// The smallest and largest code point of each length, either side of the
// surrogates, and the forms just beyond them.
TEST(Utf8, TellsWellFormedFromMalformedAtEveryLengthsEdges) {
    for (const char* valid : {"", "plain \x7F", "\xC2\x80\xDF\xBF", "\xE0\xA0\x80\xED\x9F\xBF",
                              "\xEE\x80\x80\xEF\xBF\xBF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    }
    for (const char* malformed :
         {"caf\xE9", "\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
          "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xC3", "\xE2\x82",
          "\xC3\x28", "\xF0\x9F\x98\x28"}) {
        EXPECT_FALSE(IsValidUtf8(malformed)) << malformed;
    }
}

} // namespace
} // namespace quill
