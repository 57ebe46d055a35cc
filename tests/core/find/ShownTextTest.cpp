#include "core/find/ShownText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quill {
namespace {

ShownText DataPage(const char* name) {
    std::ifstream file(std::string(QUILLMARK_TEST_DATA_DIR "/") + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return ShownText(bytes.str());
}

TEST(ShownTextTest, ShowsBlocksOnLinesDecodedAndCollapsedAndCountsMatchesInThatOnly) {
    EXPECT_EQ(ShownPageText("<html><STYLE>\t<!--A:link { color: red }--></STYLE><table><tr><td> "
                            "&nbsp;&nbsp;Tasks: &nbsp;</td><td><a href=\"Edit|1\">Edit</a>&nbsp "
                            "<a>Del</a>ete</td></tr></table><br>  a&lt;b&gt; &amp;&#38;&#x2F;"
                            "&bad;&#;&copy\n\n c<!-- <td>x --></html>"),
              "\u00a0\u00a0Tasks: \u00a0\nEdit\u00a0 Delete\na<b> &&/&bad;&#;\u00a9 c");
    // The written test pages, counted as their shown text reads.
    const ShownText links = DataPage("links_markup.html");
    const auto count = [](const ShownText& page, const char* needle, bool matchCase = false) {
        return page.Matches(needle, matchCase).size();
    };
    EXPECT_EQ(count(links, "add link"), 1u);
    EXPECT_EQ(count(links, "Add task", true), 4u);
    EXPECT_EQ(count(links, "EDIT  DELETE"), 4u); // across anchors, spaces kept
    EXPECT_EQ(count(links, "Edit  Delete", true), 0u);
    EXPECT_EQ(count(links, "Edit\u00a0 Delete", true), 4u);
    EXPECT_EQ(count(links, "Tasks: Edit"), 0u); // never across cells
    EXPECT_EQ(count(links, "http"), 0u);        // addresses' targets are not shown
    EXPECT_EQ(count(links, "alert("), 4u);
    EXPECT_EQ(count(links, "a=1&b=2&c=3..."), 1u);
    EXPECT_EQ(count(links, "<b>bold</b> & \"quotes\""), 1u);
    EXPECT_EQ(count(links, "\u00dcN\u00cfC\u00d6D\u00c9"), 1u);
    EXPECT_EQ(count(links, "unicode"), 1u);
    EXPECT_EQ(count(links, "\u00dcN\u00cfC\u00d6D\u00c9", true), 0u);
    const ShownText tasks = DataPage("tasks_markup.html");
    EXPECT_EQ(count(tasks, "<i>x</i> & \"q\" Gr\u00fc\u00dfe \u2713 & \u20ac"), 1u);
    EXPECT_EQ(count(tasks, "</table><script>"), 1u);
    EXPECT_EQ(count(tasks, "aa\naa"), 0u);
    const auto spans = tasks.Matches("2020", true);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(tasks.Text().substr(spans[1].start - 6, 10), "02.02.2020");
}

} // namespace
} // namespace quill
