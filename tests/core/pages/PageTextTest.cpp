#include "pages/HtmlEscape.h"
#include "pages/LinksPage.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// Markup and its escaping in whole pages are checked against the golden pages;
// these are the edges of what counts as a character reference.
TEST(HtmlEscape, KeepsOnlyWellFormedCharacterReferences) {
    EXPECT_EQ(HtmlEscaped("&amp; &Auml; &h2; &#0; &#8364; &#x20AC; &#X20ac; &&amp;"),
              "&amp; &Auml; &h2; &#0; &#8364; &#x20AC; &#X20ac; &amp;&amp;");
    EXPECT_EQ(HtmlEscaped("& &; &2a; &a-b; &amp &#; &#x; &#xG; &#12a; &#x1g; &#a; a&"),
              "&amp; &amp;; &amp;2a; &amp;a-b; &amp;amp &amp;#; &amp;#x; &amp;#xG; &amp;#12a; "
              "&amp;#x1g; &amp;#a; a&amp;");
    // Text from an older editor shows as Latin-1, escaped all the same.
    EXPECT_EQ(HtmlEscaped("caf\xE9 <\xFF>"), "caf\xC3\xA9 &lt;\xC3\xBF&gt;");
    EXPECT_EQ(HtmlEscaped("&#12"), "&amp;#12");
}

TEST(LinkTarget, OnlyWebSchemesGoWithoutThePrefix) {
    for (const char* web : {"http://a.org", "HTTPS://a.org", "http://"}) {
        EXPECT_EQ(LinkTarget(web), web);
    }
    for (const char* other : {"https:/a.org", "http:", "xttp://a.org", "file:///etc"}) {
        EXPECT_EQ(LinkTarget(other), std::string("http://") + other);
    }
}

std::string Repeat(const std::string& piece, int times) {
    return times == 0 ? "" : piece + Repeat(piece, times - 1);
}

// The cut counts characters as the page shows them, not bytes.
TEST(ShownAddress, CutsAfter28CharactersNeverInsideOne) {
    const std::string e = "\xC3\xA9"; // é
    const std::string smile = "\xF0\x9F\x98\x80";
    const std::tuple<std::string, std::string, bool> cases[] = {
        {Repeat(e, 29), Repeat(e, 28), true},
        {Repeat("x", 27) + smile + "tail", Repeat("x", 27) + smile, true},
        {Repeat("x", 26) + smile + smile, Repeat("x", 26) + smile + smile, false},
        // Not UTF-8: each byte is one Latin-1 character.
        {Repeat("\xE9", 29), Repeat(e, 28), true},
    };
    for (const auto& [address, text, shortened] : cases) {
        const ShownAddressText shown = ShownAddress(address);
        EXPECT_EQ(std::pair(shown.text, shown.shortened), std::pair(text, shortened)) << address;
    }
}

} // namespace
} // namespace quill
