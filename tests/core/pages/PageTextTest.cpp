#include "pages/HtmlEscape.h"
#include "pages/LinksPage.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(HtmlEscape, KeepsOnlyWellFormedCharacterReferences) {
    EXPECT_EQ(HtmlEscaped("&amp; &lt; &Auml; &h2; &#0; &#8364; &#x20AC; &#X20ac;"),
              "&amp; &lt; &Auml; &h2; &#0; &#8364; &#x20AC; &#X20ac;");
    EXPECT_EQ(HtmlEscaped("& &; &2a; &a-b; &amp &#; &#x; &#xG; &#12a; &#x1g;"),
              "&amp; &amp;; &amp;2a; &amp;a-b; &amp;amp &amp;#; &amp;#x; &amp;#xG; &amp;#12a; "
              "&amp;#x1g;");
    EXPECT_EQ(HtmlEscaped("a&"), "a&amp;");
    EXPECT_EQ(HtmlEscaped("&&amp;"), "&amp;&amp;");
}

TEST(HtmlEscape, TurnsMarkupIntoText) {
    EXPECT_EQ(HtmlEscaped("<a href=\"x\">'y'</a>"), "&lt;a href=&quot;x&quot;&gt;'y'&lt;/a&gt;");
    EXPECT_EQ(HtmlEscaped("\xC3\xA9t\xC3\xA9 plain"), "\xC3\xA9t\xC3\xA9 plain");
    // Not UTF-8: shown as Latin-1.
    EXPECT_EQ(HtmlEscaped("caf\xE9 <\xFF>"), "caf\xC3\xA9 &lt;\xC3\xBF&gt;");
}

TEST(LinkTarget, OnlyWebSchemesGoWithoutThePrefix) {
    EXPECT_EQ(LinkTarget("http://a.org"), "http://a.org");
    EXPECT_EQ(LinkTarget("HTTPS://a.org"), "HTTPS://a.org");
    EXPECT_EQ(LinkTarget("https:/a.org"), "http://https:/a.org");
    EXPECT_EQ(LinkTarget("http:"), "http://http:");
    EXPECT_EQ(LinkTarget("file:///etc/passwd"), "http://file:///etc/passwd");
    EXPECT_EQ(LinkTarget(""), "http://");
}

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// The cut counts characters as the page shows them, not bytes.
TEST(ShownAddress, CutsAfter28CharactersNeverInsideOne) {
    const std::string e = "\xC3\xA9"; // é
    const std::string smile = "\xF0\x9F\x98\x80";
    struct Case {
        std::string address;
        std::string shown;
        bool shortened;
    } cases[] = {
        {Repeat(e, 29), Repeat(e, 28), true},
        {Repeat("x", 27) + smile + "tail", Repeat("x", 27) + smile, true},
        {Repeat("x", 26) + smile + smile, Repeat("x", 26) + smile + smile, false},
        // Not UTF-8: each byte is one Latin-1 character.
        {Repeat("\xE9", 29), Repeat(e, 28), true},
    };
    for (const Case& c : cases) {
        const ShownAddressText shown = ShownAddress(c.address);
        EXPECT_EQ(shown.text, c.shown) << c.address;
        EXPECT_EQ(shown.shortened, c.shortened) << c.address;
    }
}

} // namespace
} // namespace quill
