#include "pages/PageCommand.h"
#include "commands/LinkCommands.h"
#include "commands/TaskCommands.h"

#include <gtest/gtest.h>
#include <limits>

namespace quill {
namespace {

TEST(PageCommand, IndexIsTheLeadingNumberAfterTheFirstBar) {
    struct Case {
        const char* text;
        const char* verb;
        std::int64_t index;
    };
    const Case cases[] = {
        {"Edit link|3", "Edit link", 3},
        {"Edit link|2.9", "Edit link", 2},
        {"Edit link|x", "Edit link", 0},
        {"Edit link", "Edit link", 0},
        {"Edit link|  \t12abc", "Edit link", 12},
        {"Edit link|-1", "Edit link", -1},
        {"Edit link|+4", "Edit link", 4},
        {"Edit link|1|2", "Edit link", 1},
        {"|7", "", 7},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        PageCommandText command = SplitPageCommand(c.text);
        EXPECT_EQ(command.verb, c.verb) << c.text;
        EXPECT_EQ(command.index, c.index) << c.text;
    }
    EXPECT_EQ(ReadCommandIndex("99999999999999999999999"),
              std::numeric_limits<std::int64_t>::max());
}

// Indexed words match the verb; "Add link" and "Add task" the whole text.
TEST(PageCommand, EachPageKnowsItsOwnWords) {
    using L = LinkCommandKind;
    using T = TaskCommandKind;
    const std::pair<const char*, L> links[] = {{"Add link task|3", L::AddLinkTask},
                                               {"Delete link|0", L::DeleteLink},
                                               {"Edit link|12", L::EditLink},
                                               {"Edit link", L::EditLink},
                                               {"Add link", L::AddLink}};
    for (auto [text, kind] : links) {
        ASSERT_TRUE(RecogniseLinkCommand(text)) << text;
        EXPECT_EQ(RecogniseLinkCommand(text)->kind, kind) << text;
        EXPECT_EQ(RecogniseLinkCommand(text)->index, SplitPageCommand(text).index) << text;
    }
    const std::pair<const char*, T> tasks[] = {
        {"Delete task|4", T::DeleteTask}, {"Edit task|1", T::EditTask}, {"Add task", T::AddTask}};
    for (auto [text, kind] : tasks) {
        ASSERT_TRUE(RecogniseTaskCommand(text)) << text;
        EXPECT_EQ(RecogniseTaskCommand(text)->kind, kind) << text;
    }
    EXPECT_EQ(RecogniseTaskCommand("Delete task|4")->index, 4);
    for (const char* other : {"Add link|3", "add link", "Edit link |1", "Edit task|1", "qmtemp.tmp",
                              "", "Add task|3"}) {
        EXPECT_FALSE(RecogniseLinkCommand(other)) << other;
    }
    for (const char* other : {"Add task|3", "Add link", "Edit link|1", "qmtemp.tmp"}) {
        EXPECT_FALSE(RecogniseTaskCommand(other)) << other;
    }
}

} // namespace
} // namespace quill
