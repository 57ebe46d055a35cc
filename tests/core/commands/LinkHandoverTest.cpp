#include "commands/LinkHandover.h"

#include "support/StoreFolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(HandoverAddress, TakesTheFirstQuotedHrefValueCharacterForCharacterElseAll) {
    for (const auto& [markup, address] : std::vector<std::pair<std::string, std::string>>{
             {R"(<a href="https://a.org/x?y=1&amp;z=2">A</a>)", "https://a.org/x?y=1&amp;z=2"},
             {R"(<a class="c" href="u1" title="t" href="u2">)", "u1"},
             {R"(data-href="d" href="real")", "d"},
             {R"(<a href="">empty</a>)", ""},
             {R"(<a href="www.a.org/%20b)", "www.a.org/%20b"},
             // Without a double-quoted href the markup is taken whole.
             {"<a href='single'>x</a>", "<a href='single'>x</a>"},
             {"<a HREF=\"upper\">", "<a HREF=\"upper\">"},
         }) {
        EXPECT_EQ(ExtractHandoverAddress(markup), address) << markup;
    }
}

struct ScriptedPrompt : AddLinkPrompt {
    std::function<bool(LinkRecord&)> answer;
    std::vector<LinkRecord> shown;
    bool Ask(LinkRecord& link) override {
        shown.push_back(link);
        return answer(link);
    }
};

// To the list as it is when the dialog closes, as stored.
TEST(LinkHandover, OkAppendsWhatTheUserConfirmedAndCancelNothing) {
    test::StoreFolder data;
    ScriptedPrompt prompt;
    prompt.answer = [&](LinkRecord& link) {
        if (prompt.shown.size() == 1) {
            // While the first dialog is open a reload changes the list and a
            // second hand-over is confirmed on top.
            data.WriteLinks("other|x\r\n");
            data.store.Reload();
            EXPECT_TRUE(HandOverLink(data.store, prompt, R"(<a href="second">2</a>)", "2"));
        }
        link.m_comment += "\nread later";
        return true;
    };
    EXPECT_TRUE(HandOverLink(data.store, prompt, R"(<a href="https://a.org/?q=a|b">A</a>)", "A"));
    EXPECT_EQ(prompt.shown,
              (std::vector<LinkRecord>{{"https://a.org/?q=a|b", "A"}, {"second", "2"}}));
    const std::string stored =
        "other|x\r\nsecond|2 read later\r\nhttps://a.org/?q=a%7Cb|A read later\r\n";
    EXPECT_EQ(data.Links(), stored);

    prompt.answer = [](LinkRecord&) { return false; };
    EXPECT_FALSE(HandOverLink(data.store, prompt, "x", "y"));
    EXPECT_EQ(data.Links(), stored);
}

} // namespace
} // namespace quill
