#include "tasks/TaskCommands.h"

#include "frame/MainFrameState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;

struct TaskCommandsTest : ::testing::Test {
    test::TempFolder folder;
    MainFrameState state;
    test::ScriptedTaskDialogs dialogs;
    test::FixedClock clock{DateTime{2004, 3, 5, 9, 5}};

    static constexpr const char* kUntouched = "untouched";

    void SetUp() override {
        state.m_linkFilePath = folder.File("qmlinks.qbx");
        state.m_taskFilePath = folder.File("qmtasks.qbx");
        folder.Write("qmtasks.qbx", kUntouched);
        state.m_tasks = {{"01.02.2003", "04:05", "first", false},
                         {"10.11.2012", "13:14", "second", true},
                         {"20.12.2020", "23:59", "third", false}};
    }

    CommandOutcome Run(const char* text) { return RunTaskCommand(text, state, dialogs, clock); }
    std::string TaskFile() const { return folder.Read("qmtasks.qbx"); }
};

TEST_F(TaskCommandsTest, AddStartsAtTheCurrentMinuteAndAppends) {
    dialogs.onNew = [](const TaskDraft& shown) {
        return TaskDraft{shown.when, "Call the bank\nat nine"};
    };

    EXPECT_TRUE(Run("Add task").recognised);

    EXPECT_EQ(dialogs.shown, (std::vector<TaskDraft>{{clock.Now(), ""}}));
    EXPECT_EQ(state.m_tasks.back(), (TaskRecord{"05.03.2004", "09:05", "Call the bank at nine"}));
    EXPECT_EQ(TaskFile(), "01.02.2003|04:05|first\r\n10.11.2012|13:14|second\r\n"
                          "20.12.2020|23:59|third\r\n05.03.2004|09:05|Call the bank at nine\r\n");
}

TEST_F(TaskCommandsTest, CancelledDialogsChangeAndWriteNothing) {
    const Tasks before = state.m_tasks;
    for (const char* text : {"Add task", "Edit task|1", "Delete task|1"}) {
        EXPECT_TRUE(Run(text).recognised) << text;
    }
    EXPECT_EQ(state.m_tasks, before);
    EXPECT_EQ(TaskFile(), kUntouched);
}

TEST_F(TaskCommandsTest, EditShowsTheTaskAndRewritesItInPlaceNotYetReminded) {
    dialogs.onEdit = [](const TaskDraft& shown) {
        TaskDraft edited = shown;
        edited.when.minute = 15;
        edited.comment += " (moved)";
        return edited;
    };

    Run("Edit task|1");

    EXPECT_EQ(dialogs.shown, (std::vector<TaskDraft>{{DateTime{2012, 11, 10, 13, 14}, "second"}}));
    EXPECT_EQ(state.m_tasks[1], (TaskRecord{"10.11.2012", "13:15", "second (moved)", false}));
    EXPECT_EQ(TaskFile(), "01.02.2003|04:05|first\r\n10.11.2012|13:15|second (moved)\r\n"
                          "20.12.2020|23:59|third\r\n");
}

TEST_F(TaskCommandsTest, ConfirmingAnUnchangedTaskWritesItInStandardFormsAndClearsTheReminder) {
    // "1.2.03" names no date, so the picker starts at the current minute.
    state.m_tasks[1] = {"1.2.03", "4:05", "loose texts", true};
    dialogs.onEdit = [](const TaskDraft& shown) { return shown; };

    Run("Edit task|1");

    EXPECT_EQ(dialogs.shown[0].when, clock.Now());
    EXPECT_EQ(state.m_tasks[1], (TaskRecord{"05.03.2004", "09:05", "loose texts", false}));
}

TEST_F(TaskCommandsTest, EditOfAnIndexWithoutTaskShowsNoDialog) {
    dialogs.onEdit = [](const TaskDraft& shown) { return shown; };

    EXPECT_TRUE(Run("Edit task|3").recognised);
    EXPECT_TRUE(Run("Edit task|-1").recognised);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(TaskFile(), kUntouched);
}

TEST_F(TaskCommandsTest, EditAppliesToItsTaskEvenAfterAReminderDeletedAnother) {
    dialogs.onEdit = [this](const TaskDraft& shown) {
        state.m_tasks.erase(state.m_tasks.begin()); // the reminder's "Delete"
        return TaskDraft{shown.when, "edited"};
    };

    Run("Edit task|1");

    EXPECT_EQ(state.m_tasks, (Tasks{{"10.11.2012", "13:14", "edited", false},
                                    {"20.12.2020", "23:59", "third", false}}));
}

TEST_F(TaskCommandsTest, EditOfATaskThatHasGoneChangesNothing) {
    dialogs.onEdit = [this](const TaskDraft& shown) {
        folder.Write("qmtasks.qbx", "01.02.2003|04:05|first\r\n");
        ReloadLists(state);
        return TaskDraft{shown.when, "edited"};
    };

    Run("Edit task|1");

    EXPECT_EQ(state.m_tasks, (Tasks{{"01.02.2003", "04:05", "first", false}}));
    EXPECT_EQ(TaskFile(), "01.02.2003|04:05|first\r\n");
}

TEST_F(TaskCommandsTest, DeleteLooksItsTaskUpAfterTheReloadThatRaisedItsReminderAgain) {
    // The reload forgets the reminded flag; the task is still the same task.
    dialogs.onDelete = [this] {
        folder.Write("qmtasks.qbx", "20.12.2020|23:59|third\r\n10.11.2012|13:14|second\r\n");
        ReloadLists(state);
        return true;
    };

    Run("Delete task|1");

    EXPECT_EQ(TaskFile(), "20.12.2020|23:59|third\r\n");
}

TEST_F(TaskCommandsTest, DeleteWithNothingLeftToDeleteWritesNothing) {
    dialogs.onDelete = [this] {
        state.m_tasks.resize(1);
        return true;
    };

    Run("Delete task|2");
    Run("Delete task|9");

    EXPECT_EQ(dialogs.deleteAsked, 2);
    EXPECT_EQ(state.m_tasks.size(), 1u);
    EXPECT_EQ(TaskFile(), kUntouched);
}

TEST_F(TaskCommandsTest, AFileThatCannotBeWrittenIsNamed) {
    state.m_taskFilePath = folder.File("missing/qmtasks.qbx");
    dialogs.onDelete = [] { return true; };

    CommandOutcome outcome = Run("Delete task|0");

    EXPECT_EQ(outcome.unsavedFile, state.m_taskFilePath);
    EXPECT_EQ(state.m_tasks.size(), 2u);
}

} // namespace
} // namespace quill
