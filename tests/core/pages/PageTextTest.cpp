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
#include "core/text/NoteFileName.h"
#include "core/text/Utf8.h"
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

TEST(NoteFileName, FirstLineWithTextMadeSafeAndShortEndingInTxt) {
    const std::pair<const char*, const char*> rows[] = {
        // clang-format off
        {"", "Note.txt"}, {" \n\t\n", "Note.txt"}, {"???", "Note.txt"}, {"todo.TXT", "todo.TXT"},
        {"\n\n  Shopping list  \nmilk", "Shopping list.txt"}, {"\nShopping", "Shopping.txt"},
        {"a/b\\c:d*e?\"f<g>h|i\r", "a b c d e f g h i.txt"},
        {"ends in dots...", "ends in dots.txt"},
        // clang-format on
        // 39 ASCII bytes, then a two-byte letter across the 40-byte cut.
        {"123456789012345678901234567890123456789\xC3\xA9xyz",
         "123456789012345678901234567890123456789.txt"},
        {"12345678901234567890123456789012345678\xC3\xA9xyz",
         "12345678901234567890123456789012345678\xC3\xA9.txt"},
    };
    for (const auto& [note, name] : rows) {
        EXPECT_EQ(ProposedNoteFileName(note), name) << note;
    }
}

} // namespace
} // namespace quill
