#include "pages/LinksPage.h"
#include "pages/TasksPage.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace quill {
namespace {

std::string Golden(const std::string& name) {
    std::ifstream in(std::string(QUILLMARK_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where two pages part, with a little context, so a failure is readable.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    std::size_t from = at > 40 ? at - 40 : 0;
    return "at byte " + std::to_string(at) + "\n  actual:   " + actual.substr(from, 120) +
           "\n  expected: " + expected.substr(from, 120);
}

// Every page byte for byte: empty lists, four records (the colour slots cycle),
// addresses cut after 28 characters (not bytes), web schemes in any case, and
// record texts holding markup, quotes, references and multi-byte characters.
TEST(Pages, MatchTheGoldenPagesByteForByte) {
    const std::pair<std::string, std::string> pages[] = {
        {"links_empty.html", WriteLinksPage({})},
        {"links_four.html",
         WriteLinksPage({{"example.org", "Plain comment"},
                         {"http://www.example.com/docs", "Docs"},
                         {"ftp.example.net/file", ""},
                         {"news.example.org", "The fourth is blue-grey again"}})},
        {"links_addresses.html",
         WriteLinksPage({
             {"www.abcdefghijklmnopqrst.org", "28 bytes"},
             {"www.abcdefghijklmnopqrstu.org", "29 bytes"},
             {"https://secure.example.com/login", "secure"},
             {"HTTP://LOUD.EXAMPLE.COM", "upper case"},
             {"HtTpS://Mixed.example", "mixed case"},
             {"httpx://other.example", "not a web scheme"},
             {std::string(27, 'a') + "\xC3\xA9tail", "the 28th character takes two bytes"},
             {std::string(26, 'b') + "\xE2\x82\xACtail", "the 27th character takes three bytes"},
             {std::string(25, 'c') + "\xE2\x82\xAC", "fits exactly"},
             {"http://b\xC3\xBC"
              "cher.de/stra\xC3\x9F"
              "e/\xE2\x82\xAC"
              "1234",
              "29 characters in 33 bytes"},
             {"", "empty address"},
         })},
        {"links_markup.html",
         WriteLinksPage({
             {"example.org/?a=1&b=2&amp;c=3&#38;d&#x26;e&#X2F;f&bad;g&#;h&#x;i&1a;j&",
              "<b>bold</b> & \"quotes\" 'single' \xC3\x9Cn\xC3\xAF"
              "c\xC3\xB6"
              "d\xC3\xA9 "
              "\xE2\x9C\x93 &lt;kept&gt; | bar"},
             {"\"><script>alert(1)</script>", "javascript:alert(\"x\")"},
             {"javascript:alert(1)", "<img src=x onerror=alert(1)>"},
             {"example.org/a b>c%7Cd", "&copy; 2024 &#169; &#xA9; &nbsp"},
         })},
        {"tasks_empty.html", WriteTasksPage({})},
        {"tasks_four.html",
         WriteTasksPage({{"05.03.2004", "09:05", "Call the bank"},
                         {"01.12.2004", "14:30", ""},
                         {"not a date", "25:99", "Texts are shown as they are held"},
                         {"31.12.2099", "23:59", "The fourth is blue-grey again"}})},
        {"tasks_markup.html",
         WriteTasksPage({{"<b>01.01.2020</b>", "\"10:00\"",
                          "<i>x</i> & \"q\" Gr\xC3\xBC\xC3\x9F"
                          "e \xE2\x9C\x93 &amp; &#8364;"},
                         {"02.02.2020", "11:11", "</table><script>alert(1)</script>"}})},
    };
    for (const auto& [name, actual] : pages) {
        const std::string expected = Golden(name);
        EXPECT_TRUE(actual == expected) << name << " " << FirstDifference(actual, expected);
    }
}

} // namespace
} // namespace quill
