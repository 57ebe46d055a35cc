#include "core/pages/HtmlEscape.h"

#include "core/commands/LinkCommands.h"
#include "core/commands/TaskCommands.h"
#include "core/files/SafeFile.h"
#include "core/links/LinkFile.h"
#include "core/pages/LinksPage.h"
#include "core/pages/PageCommand.h"
#include "core/pages/PageFile.h"
#include "core/pages/TasksPage.h"
#include "core/tasks/TaskFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <limits>

namespace quill {
namespace {

// Markup and its escaping in whole pages are checked against the golden pages;
// these are the edges of what counts as a character reference.
TEST(HtmlEscape, KeepsOnlyWellFormedCharacterReferences) {
    EXPECT_EQ(HtmlEscaped("&amp; &Auml; &h2; &zwnj; &Zeta; &#0; &#8364; &#x20AF; &#X20af; &&amp;"),
              "&amp; &Auml; &h2; &zwnj; &Zeta; &#0; &#8364; &#x20AF; &#X20af; &amp;&amp;");
    EXPECT_EQ(HtmlEscaped("& &; &2a; &a-b; &amp &#; &#x; &#xG; &#12a; &#x1g; &#a; a&"),
              "&amp; &amp;; &amp;2a; &amp;a-b; &amp;amp &amp;#; &amp;#x; &amp;#xG; &amp;#12a; "
              "&amp;#x1g; &amp;#a; a&amp;");
    // Text from an older editor shows as Latin-1, escaped all the same.
    EXPECT_EQ(HtmlEscaped("caf\xE9 <\xFF\x80>"), "caf\xC3\xA9 &lt;\xC3\xBF\xC2\x80&gt;");
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
        {Repeat("\xE9", 29), Repeat(e, 28), true}};
    for (const auto& [address, text, shortened] : cases) {
        const ShownAddressText shown = ShownAddress(address);
        EXPECT_EQ(std::pair(shown.text, shown.shortened), std::pair(text, shortened)) << address;
    }
}

TEST(PageCommand, IndexIsTheLeadingNumberAfterTheFirstBarAndEachPageKnowsItsWords) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    // clang-format off
    const std::tuple<const char*, const char*, std::int64_t> cases[] = {
        {"Edit link|3", "Edit link", 3}, {"Edit link|2.9", "Edit link", 2},
        {"Edit link|x", "Edit link", 0}, {"Edit link", "Edit link", 0}, {"|+", "", 0},
        {"Edit link|-1", "Edit link", -1}, {"Edit link|+4", "Edit link", 4},
        {"Edit|1|2", "Edit", 1}, {"| \t\r\n\v\f12abc", "", 12},
        {"|9223372036854775807", "", kMax}, {"|9223372036854775808", "", kMax},
        {"|-99999999999999999999", "", -kMax}};
    for (const auto& [text, verb, index] : cases) {
        PageCommandText command = SplitPageCommand(text);
        EXPECT_EQ(std::pair(command.verb, command.index), std::pair(std::string(verb), index));
    }
    // Indexed words match the verb; "Add link" and "Add task" the whole text.
    using L = LinkCommandKind;
    using T = TaskCommandKind;
    const std::tuple<const char*, std::optional<L>, std::optional<T>, std::int64_t> words[] = {
        {"Add link task|3", L::AddLinkTask, {}, 3}, {"Delete link|2", L::DeleteLink, {}, 2},
        {"Edit link|12", L::EditLink, {}, 12}, {"Add link", L::AddLink, {}, 0},
        {"Delete task|4", {}, T::DeleteTask, 4}, {"Edit task|1", {}, T::EditTask, 1},
        {"Add task", {}, T::AddTask, 0}, {"Add link|3", {}, {}, 0}, {"add link", {}, {}, 0},
        {"Edit link |1", {}, {}, 0}, {"", {}, {}, 0}};
    // clang-format on
    for (const auto& [text, link, task, index] : words) {
        auto asLink = RecogniseLinkCommand(text);
        auto asTask = RecogniseTaskCommand(text);
        EXPECT_EQ(asLink ? std::optional(asLink->kind) : std::nullopt, link) << text;
        EXPECT_EQ(asTask ? std::optional(asTask->kind) : std::nullopt, task) << text;
        EXPECT_EQ(asLink ? asLink->index : asTask ? asTask->index : 0, index) << text;
    }
}

// Empty lists, colour slots cycling, cut addresses, schemes in any case, and
// texts holding markup, quotes, references and multi-byte characters.
TEST(Pages, RecordFilesGiveTheirGoldenPagesByteForByte) {
    const std::string data = QUILLMARK_TEST_DATA_DIR "/";
    test::TempFolder folder;
    for (const char* name : {"links_empty", "links_four", "links_addresses", "links_markup",
                             "tasks_empty", "tasks_four", "tasks_markup"}) {
        std::string page;
        if (name[0] == 'l') {
            std::vector<LinkRecord> links;
            ASSERT_EQ(LoadLinkFile(data + name + ".qbx", links), LoadOutcome::Loaded) << name;
            page = WriteLinksPage(links);
        } else {
            std::vector<TaskRecord> tasks;
            ASSERT_EQ(LoadTaskFile(data + name + ".qbx", tasks), LoadOutcome::Loaded) << name;
            page = WriteTasksPage(tasks);
        }
        ASSERT_TRUE(WritePageFile(folder.File("qmtemp.tmp"), page));

        EXPECT_EQ(folder.Read("qmtemp.tmp"), ReadWholeFile(data + name + ".html").bytes) << name;
    }
    EXPECT_FALSE(WritePageFile(folder.File("none/qmtemp.tmp"), WriteLinksPage({})));
}

} // namespace
} // namespace quill
