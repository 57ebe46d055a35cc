#include "pages/PageCommand.h"
#include "links/LinkCommands.h"
#include "tasks/TaskCommands.h"

#include <gtest/gtest.h>
#include <limits>

namespace quill {
namespace {

TEST(PageCommand, IndexIsTheLeadingNumberAfterTheFirstBar) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::tuple<const char*, const char*, std::int64_t> cases[] = {
        {"Edit link|3", "Edit link", 3},
        {"Edit link|2.9", "Edit link", 2},
        {"Edit link|x", "Edit link", 0},
        {"Edit link", "Edit link", 0},
        {"Edit link| \t\r\n\v\f12abc", "Edit link", 12},
        {"Edit link|-1", "Edit link", -1},
        {"Edit link|+4", "Edit link", 4},
        {"Edit link|1|2", "Edit link", 1},
        {"|7", "", 7},
        {"|9223372036854775807", "", kMax},
        {"|9223372036854775808", "", kMax},
        {"|-99999999999999999999", "", -kMax},
    };
    for (const auto& [text, verb, index] : cases) {
        PageCommandText command = SplitPageCommand(text);
        EXPECT_EQ(command.verb, verb) << text;
        EXPECT_EQ(command.index, index) << text;
    }
}

// Indexed words match the verb; "Add link" and "Add task" the whole text.
TEST(PageCommand, EachPageKnowsItsOwnWords) {
    using L = LinkCommandKind;
    using T = TaskCommandKind;
    const std::tuple<const char*, L, std::int64_t> links[] = {
        {"Add link task|3", L::AddLinkTask, 3},
        {"Delete link|2", L::DeleteLink, 2},
        {"Edit link|12", L::EditLink, 12},
        {"Edit link", L::EditLink, 0},
        {"Add link", L::AddLink, 0}};
    for (auto [text, kind, index] : links) {
        auto command = RecogniseLinkCommand(text);
        ASSERT_TRUE(command) << text;
        EXPECT_EQ(command->kind, kind) << text;
        EXPECT_EQ(command->index, index) << text;
    }
    const std::tuple<const char*, T, std::int64_t> tasks[] = {{"Delete task|4", T::DeleteTask, 4},
                                                              {"Edit task|1", T::EditTask, 1},
                                                              {"Add task", T::AddTask, 0}};
    for (auto [text, kind, index] : tasks) {
        auto command = RecogniseTaskCommand(text);
        ASSERT_TRUE(command) << text;
        EXPECT_EQ(command->kind, kind) << text;
        EXPECT_EQ(command->index, index) << text;
    }
    for (const char* other :
         {"Add link|3", "add link", "Edit link |1", "Edit task|1", "Add task", "qmtemp.tmp", ""}) {
        EXPECT_FALSE(RecogniseLinkCommand(other)) << other;
    }
    for (const char* other : {"Add task|3", "Add link", "Edit link|1", "delete task|1", ""}) {
        EXPECT_FALSE(RecogniseTaskCommand(other)) << other;
    }
}

} // namespace
} // namespace quill
