#include "pages/PageCommand.h"
#include "commands/LinkCommands.h"
#include "commands/TaskCommands.h"

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
        {"|+", "", 0},
        {"Edit link|-1", "Edit link", -1},
        {"Edit link|+4", "Edit link", 4},
        {"Edit|1|2", "Edit", 1},
        {"| \t\r\n\v\f12abc", "", 12},
        {"|9223372036854775807", "", kMax},
        {"|9223372036854775808", "", kMax},
        {"|-99999999999999999999", "", -kMax}};
    for (const auto& [text, verb, index] : cases) {
        PageCommandText command = SplitPageCommand(text);
        EXPECT_EQ(std::pair(command.verb, command.index), std::pair(std::string(verb), index));
    }
}

// Indexed words match the verb; "Add link" and "Add task" the whole text.
TEST(PageCommand, EachPageKnowsOnlyItsOwnWords) {
    using L = LinkCommandKind;
    using T = TaskCommandKind;
    const std::tuple<const char*, std::optional<L>, std::optional<T>, std::int64_t> cases[] = {
        {"Add link task|3", L::AddLinkTask, {}, 3},
        {"Delete link|2", L::DeleteLink, {}, 2},
        {"Edit link|12", L::EditLink, {}, 12},
        {"Add link", L::AddLink, {}, 0},
        {"Delete task|4", {}, T::DeleteTask, 4},
        {"Edit task|1", {}, T::EditTask, 1},
        {"Add task", {}, T::AddTask, 0},
        {"Add link|3", {}, {}, 0},
        {"add link", {}, {}, 0},
        {"Edit link |1", {}, {}, 0},
        {"", {}, {}, 0}};
    for (const auto& [text, link, task, index] : cases) {
        auto asLink = RecogniseLinkCommand(text);
        auto asTask = RecogniseTaskCommand(text);
        EXPECT_EQ(asLink ? std::optional(asLink->kind) : std::nullopt, link) << text;
        EXPECT_EQ(asTask ? std::optional(asTask->kind) : std::nullopt, task) << text;
        EXPECT_EQ(asLink ? asLink->index : asTask ? asTask->index : 0, index) << text;
    }
}

} // namespace
} // namespace quill
