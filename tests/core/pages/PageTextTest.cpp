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

TEST(ShownAddress, NeverEndsInsideACharacter) {
    EXPECT_EQ(ShownAddress(std::string(28, 'x')), std::string(28, 'x'));
    EXPECT_EQ(ShownAddress(std::string(29, 'x')), std::string(28, 'x'));
    // A four-byte character straddling the cut from every offset.
    for (std::size_t lead = 25; lead <= 28; ++lead) {
        std::string address = std::string(lead, 'x') + "\xF0\x9F\x98\x80" + "tail";
        std::size_t expected = lead + 4 <= 28 ? lead + 4 : lead;
        EXPECT_EQ(ShownAddress(address).size(), expected) << lead;
    }
}

} // namespace
} // namespace quill
