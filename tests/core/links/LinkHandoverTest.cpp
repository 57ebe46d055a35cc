#include "links/LinkHandover.h"
#include "frame/MainFrameState.h"
#include "links/LinkFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

using test::TempFolder;

TEST(HandoverAddress, TakesTheFirstQuotedHrefValueCharacterForCharacterElseAll) {
    EXPECT_EQ(ExtractHandoverAddress(R"(<a href="https://a.org/x?y=1&amp;z=2">A</a>)"),
              "https://a.org/x?y=1&amp;z=2");
    EXPECT_EQ(ExtractHandoverAddress(R"(<a class="c" href="u1" title="t" href="u2">)"), "u1");
    EXPECT_EQ(ExtractHandoverAddress(R"(data-href="d" href="real")"), "d");
    EXPECT_EQ(ExtractHandoverAddress(R"(<a href="">empty</a>)"), "");
    EXPECT_EQ(ExtractHandoverAddress(R"(<a href="www.a.org/%20b)"), "www.a.org/%20b");
    // Without a double-quoted href the markup is taken whole.
    EXPECT_EQ(ExtractHandoverAddress("https://plain.org/"), "https://plain.org/");
    EXPECT_EQ(ExtractHandoverAddress("<a href='single'>x</a>"), "<a href='single'>x</a>");
    EXPECT_EQ(ExtractHandoverAddress("<a HREF=\"upper\">"), "<a HREF=\"upper\">");
    EXPECT_EQ(ExtractHandoverAddress(""), "");
}

class ScriptedPrompt : public AddLinkPrompt {
public:
    std::function<bool(LinkRecord&)> answer;
    std::vector<LinkRecord> shown;
    bool Ask(LinkRecord& link) override {
        shown.push_back(link);
        return answer(link);
    }
};

struct HandoverFixture : ::testing::Test {
    TempFolder folder;
    MainFrameState state;
    ScriptedPrompt prompt;

    void SetUp() override {
        folder.Write("qmlinks.qbx", "old|one\r\n");
        state.m_linkFilePath = folder.File("qmlinks.qbx");
        LoadLinkFile(state.m_linkFilePath, state.m_links);
    }
    void Arrive(std::string href, std::string text) {
        state.m_newLinkHref = std::move(href);
        state.m_newLinkText = std::move(text);
    }
};

TEST_F(HandoverFixture, OkAppendsExactlyOneLineWithWhatTheUserConfirmedCancelNothing) {
    Arrive(R"(<a href="https://a.org/" target="_blank">A</a>)", "A page");
    prompt.answer = [](LinkRecord& link) {
        link.m_comment += " (read later)";
        return true;
    };
    HandoverOutcome outcome = HandOverLink(state, prompt);
    EXPECT_TRUE(outcome.appended);
    EXPECT_TRUE(outcome.saved);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0], (LinkRecord{"https://a.org/", "A page"}));
    EXPECT_EQ(state.m_newLinkHref, "https://a.org/");
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "old|one\r\nhttps://a.org/|A page (read later)\r\n");

    prompt.answer = [](LinkRecord&) { return false; };
    EXPECT_FALSE(HandOverLink(state, prompt).appended);
    EXPECT_EQ(state.m_links.size(), 2u);
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "old|one\r\nhttps://a.org/|A page (read later)\r\n");
}

TEST_F(HandoverFixture, BarsAndLineBreaksCannotBreakTheFile) {
    Arrive(R"(<a href="https://a.org/?q=a|b">x</a>)", "two\nlines");
    prompt.answer = [](LinkRecord&) { return true; };
    HandOverLink(state, prompt);
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "old|one\r\nhttps://a.org/?q=a%7Cb|two lines\r\n");
}

TEST_F(HandoverFixture, EachDialogAppendsToTheListAsItIsWhenItCloses) {
    Arrive(R"(<a href="first">1</a>)", "1");
    prompt.answer = [&](LinkRecord&) {
        if (prompt.shown.size() == 1) {
            // While the first dialog is open: a reload empties the list and a
            // second hand-over is confirmed on top.
            state.m_links.clear();
            Arrive(R"(<a href="second">2</a>)", "2");
            HandOverLink(state, prompt);
        }
        return true;
    };
    HandOverLink(state, prompt);
    EXPECT_EQ(state.m_links, (std::vector<LinkRecord>{{"second", "2"}, {"first", "1"}}));
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "second|2\r\nfirst|1\r\n");
}

} // namespace
} // namespace quill
