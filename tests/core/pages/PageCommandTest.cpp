#include "pages/PageCommand.h"
#include "links/LinkCommands.h"
#include "tasks/TaskCommands.h"

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

TEST(PageCommand, LinkWordsMatchTheVerbAndAddLinkTheWholeText) {
    using K = LinkCommandKind;
    auto kindOf = [](const char* text) { return RecogniseLinkCommand(text); };

    EXPECT_EQ(kindOf("Add link task|3")->kind, K::AddLinkTask);
    EXPECT_EQ(kindOf("Add link task|3")->index, 3);
    EXPECT_EQ(kindOf("Delete link|0")->kind, K::DeleteLink);
    EXPECT_EQ(kindOf("Edit link|12")->kind, K::EditLink);
    EXPECT_EQ(kindOf("Edit link|12")->index, 12);
    EXPECT_EQ(kindOf("Edit link")->kind, K::EditLink);
    EXPECT_EQ(kindOf("Add link")->kind, K::AddLink);

    EXPECT_FALSE(kindOf("Add link|3"));
    EXPECT_FALSE(kindOf("add link"));
    EXPECT_FALSE(kindOf("Edit link |1"));
    EXPECT_FALSE(kindOf("Edit task|1"));
    EXPECT_FALSE(kindOf("qmtemp.tmp"));
    EXPECT_FALSE(kindOf(""));
}

TEST(PageCommand, TaskWordsMatchTheVerbAndAddTaskTheWholeText) {
    using K = TaskCommandKind;
    EXPECT_EQ(RecogniseTaskCommand("Delete task|4")->kind, K::DeleteTask);
    EXPECT_EQ(RecogniseTaskCommand("Delete task|4")->index, 4);
    EXPECT_EQ(RecogniseTaskCommand("Delete task")->index, 0);
    EXPECT_EQ(RecogniseTaskCommand("Edit task|1")->kind, K::EditTask);
    EXPECT_EQ(RecogniseTaskCommand("Add task")->kind, K::AddTask);

    EXPECT_FALSE(RecogniseTaskCommand("Add task|3"));
    EXPECT_FALSE(RecogniseTaskCommand("Add link"));
    EXPECT_FALSE(RecogniseTaskCommand("Edit link|1"));
    EXPECT_FALSE(RecogniseTaskCommand("qmtemp.tmp"));
}

} // namespace
} // namespace quill
