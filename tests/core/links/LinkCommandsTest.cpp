#include "links/LinkCommands.h"

#include "frame/MainFrameState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Links = std::vector<LinkRecord>;
using Tasks = std::vector<TaskRecord>;

// The lists and their files in a temporary folder. The files start with a
// marker that no save can produce, so a test sees whether a command wrote.
struct LinkCommandsTest : ::testing::Test {
    test::TempFolder folder;
    MainFrameState state;
    test::ScriptedLinkDialogs linkDialogs;
    test::ScriptedTaskDialogs taskDialogs;
    test::FixedClock clock{DateTime{2004, 12, 1, 14, 30}};

    static constexpr const char* kUntouched = "untouched";

    void SetUp() override {
        state.m_linkFilePath = folder.File("qmlinks.qbx");
        state.m_taskFilePath = folder.File("qmtasks.qbx");
        folder.Write("qmlinks.qbx", kUntouched);
        folder.Write("qmtasks.qbx", kUntouched);
        state.m_links = {{"a.org", "first"}, {"b.org", "second"}, {"c.org", "third"}};
    }

    CommandOutcome Run(const char* text) {
        return RunLinkCommand(text, state, {linkDialogs, taskDialogs, clock});
    }
    std::string LinkFile() const { return folder.Read("qmlinks.qbx"); }
    std::string TaskFile() const { return folder.Read("qmtasks.qbx"); }
};

TEST_F(LinkCommandsTest, AddAppendsToTheListAsItIsWhenTheDialogCloses) {
    linkDialogs.onNew = [this](const LinkRecord&) {
        state.m_links.push_back({"handed.over", "arrived meanwhile"});
        return LinkRecord{"d.org/a|b", "two\r\nlines"};
    };

    CommandOutcome outcome = Run("Add link");

    EXPECT_TRUE(outcome.recognised);
    EXPECT_EQ(outcome.unsavedFile, "");
    EXPECT_EQ(linkDialogs.shown, Links{LinkRecord{}});
    EXPECT_EQ(LinkFile(), "a.org|first\r\nb.org|second\r\nc.org|third\r\n"
                          "handed.over|arrived meanwhile\r\nd.org/a%7Cb|two lines\r\n");
}

TEST_F(LinkCommandsTest, CancelledDialogsChangeAndWriteNothing) {
    const Links before = state.m_links;
    for (const char* text : {"Add link", "Edit link|1", "Delete link|1", "Add link task|1"}) {
        EXPECT_TRUE(Run(text).recognised) << text;
    }
    EXPECT_EQ(state.m_links, before);
    EXPECT_TRUE(state.m_tasks.empty());
    EXPECT_EQ(LinkFile(), kUntouched);
    EXPECT_EQ(TaskFile(), kUntouched);
    EXPECT_EQ(linkDialogs.deleteAsked, 1);
}

TEST_F(LinkCommandsTest, EditFollowsItsLinkWhenTheListIsReloadedMeanwhile) {
    // Another program put a link in front while the dialog was open; the
    // activation reload then moved "b.org" to position 2.
    linkDialogs.onEdit = [this](const LinkRecord&) {
        folder.Write("qmlinks.qbx", "new.org|inserted\r\na.org|first\r\nb.org|second\r\n");
        ReloadLists(state);
        return LinkRecord{"b.org", "edited"};
    };

    Run("Edit link|1");

    EXPECT_EQ(linkDialogs.shown, (Links{{"b.org", "second"}}));
    EXPECT_EQ(state.m_links,
              (Links{{"new.org", "inserted"}, {"a.org", "first"}, {"b.org", "edited"}}));
    EXPECT_EQ(LinkFile(), "new.org|inserted\r\na.org|first\r\nb.org|edited\r\n");
}

TEST_F(LinkCommandsTest, EditOfALinkThatHasGoneOrNeverWasWritesNothing) {
    linkDialogs.onEdit = [this](const LinkRecord&) {
        state.m_links = {{"a.org", "first"}, {"x.org", "other"}};
        return LinkRecord{"edited.org", "edited"};
    };
    Run("Edit link|1");
    EXPECT_EQ(state.m_links, (Links{{"a.org", "first"}, {"x.org", "other"}}));

    Run("Edit link|7");
    EXPECT_EQ(linkDialogs.shown.back(), LinkRecord{});
    EXPECT_EQ(state.m_links.size(), 2u);
    EXPECT_EQ(LinkFile(), kUntouched);
}

TEST_F(LinkCommandsTest, DeleteRemovesTheChosenLinkAfterTheListChangedUnderIt) {
    // A reload drops "a.org" (removed by another program), so position 1 now
    // holds "c.org"; a handed-over link is appended as well.
    linkDialogs.onDelete = [this] {
        state.m_links = {{"b.org", "second"}, {"c.org", "third"}, {"handed.over", ""}};
        return true;
    };

    Run("Delete link|1");

    EXPECT_EQ(state.m_links, (Links{{"c.org", "third"}, {"handed.over", ""}}));
    EXPECT_EQ(LinkFile(), "c.org|third\r\nhanded.over|\r\n");
}

TEST_F(LinkCommandsTest, DeleteOfAnIndexWithoutLinkStillAsksButWritesNothing) {
    linkDialogs.onDelete = [] { return true; };

    Run("Delete link|3");

    EXPECT_EQ(linkDialogs.deleteAsked, 1);
    EXPECT_EQ(state.m_links.size(), 3u);
    EXPECT_EQ(LinkFile(), kUntouched);
}

TEST_F(LinkCommandsTest, LinkTaskLooksForTheCommentAndIsDueWhenTheUserSays) {
    state.m_links[2].m_comment = "";
    state.m_tasks = {{"01.01.2001", "00:00", "older", false}};
    taskDialogs.onNew = [](const TaskDraft& shown) {
        return TaskDraft{DateTime{2004, 3, 5, 9, 7}, shown.comment + " today"};
    };

    Run("Add link task|1");
    Run("Add link task|2");
    Run("Add link task|9");

    ASSERT_EQ(taskDialogs.shown.size(), 3u);
    EXPECT_EQ(taskDialogs.shown[0], (TaskDraft{clock.Now(), "Look for second"}));
    EXPECT_EQ(taskDialogs.shown[1].comment, "Look for ");
    EXPECT_EQ(taskDialogs.shown[2].comment, "");
    EXPECT_EQ(state.m_tasks.size(), 4u);
    EXPECT_EQ(state.m_tasks[1],
              (TaskRecord{"05.03.2004", "09:07", "Look for second today", false}));
    EXPECT_EQ(TaskFile(), "01.01.2001|00:00|older\r\n"
                          "05.03.2004|09:07|Look for second today\r\n"
                          "05.03.2004|09:07|Look for  today\r\n"
                          "05.03.2004|09:07| today\r\n");
    EXPECT_EQ(LinkFile(), kUntouched);
}

TEST_F(LinkCommandsTest, AFileThatCannotBeWrittenIsNamedAndTheChangeKept) {
    state.m_linkFilePath = folder.File("missing/qmlinks.qbx");
    state.m_taskFilePath = folder.File("missing/qmtasks.qbx");
    linkDialogs.onNew = [](const LinkRecord&) { return LinkRecord{"d.org", ""}; };
    taskDialogs.onNew = [](const TaskDraft& shown) { return shown; };

    EXPECT_EQ(Run("Add link").unsavedFile, state.m_linkFilePath);
    EXPECT_EQ(Run("Add link task|0").unsavedFile, state.m_taskFilePath);
    EXPECT_EQ(state.m_links.size(), 4u);
    EXPECT_EQ(state.m_tasks.size(), 1u);
}

} // namespace
} // namespace quill
