#include "core/commands/LinkCommands.h"

#include "core/commands/TaskCommands.h"
#include "core/links/PageAddress.h"
#include "core/tasks/TaskFile.h"
#include "support/StoreFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace quill {
namespace {

// Records each dialog's fields ("?" for a question), lets the lists change, then
// answers: none is Cancel or "No", "=" confirms what was shown, else the fields.
struct ScriptedDialogs : LinkDialogs, TaskDialogs {
    const char* answer = nullptr;
    std::function<void()> meanwhile;
    std::vector<std::string> shown;

    std::optional<std::vector<std::string>> Open(const std::string& showing) {
        shown.push_back(showing);
        meanwhile();
        if (!answer) {
            return std::nullopt;
        }
        std::istringstream in(std::string_view(answer) == "=" ? showing : answer);
        std::vector<std::string> fields;
        for (std::string field; std::getline(in, field, '\t');) {
            fields.push_back(field);
        }
        fields.resize(3);
        return fields;
    }
    std::optional<LinkRecord> AskLink(const LinkRecord& link) {
        auto f = Open(link.m_address + "\t" + link.m_comment);
        return f ? std::optional(LinkRecord{(*f)[0], (*f)[1]}) : std::nullopt;
    }
    std::optional<TaskDraft> AskTask(const TaskDraft& draft) {
        const TaskDateTexts texts = FormatTaskDateTime(draft.when);
        auto f = Open(texts.date + "\t" + texts.time + "\t" + draft.comment);
        return f ? std::optional(TaskDraft{*ParseTaskDateTime((*f)[0], (*f)[1]), (*f)[2]})
                 : std::nullopt;
    }

    std::optional<LinkRecord> AskNewLink(const LinkRecord& l) override { return AskLink(l); }
    std::optional<LinkRecord> AskEditedLink(const LinkRecord& l) override { return AskLink(l); }
    bool ConfirmDeleteLink() override { return Open("?").has_value(); }
    std::optional<TaskDraft> AskNewTask(const TaskDraft& d) override { return AskTask(d); }
    std::optional<TaskDraft> AskEditedTask(const TaskDraft& d) override { return AskTask(d); }
    bool ConfirmDeleteTask() override { return Open("?").has_value(); }
};

// No final line end, which every save adds: a file read back unchanged was not written.
constexpr const char* kLinks = "a|1\r\nb|2\r\nc|3";
#define TASKS "01.02.2003|04:05|1\r\n10.11.2012|13:14|2\r\n20.12.2020|23:59|3"

struct Row {
    const char* click;
    const char* answer = "=";
    const char* linksMeanwhile = nullptr; // written and reloaded under the open dialog
    const char* tasksMeanwhile = nullptr;
    const char* shown = nullptr;      // the dialog's fields; none when no dialog opens
    const char* linksAfter = nullptr; // none when the file is left as it was
    const char* tasksAfter = nullptr;
    const char* tasksBefore = TASKS;
};

// clang-format off
const Row kRows[] = {
    // Adding appends to the list as it is when the dialog closes, as stored.
    {.click = "Add link", .answer = "d/a|b\ttwo\r\nlines",
     .linksMeanwhile = "a|1\r\nhanded|over\r\n", .shown = "\t",
     .linksAfter = "a|1\r\nhanded|over\r\nd/a%7Cb|two lines\r\n"},
    {.click = "Add task", .answer = "05.03.2004\t09:05\tCall\nat nine",
     .shown = "01.12.2004\t14:30\t", .tasksAfter = TASKS "\r\n05.03.2004|09:05|Call at nine\r\n"},
    {.click = "Add link task|1", .tasksMeanwhile = "", .shown = "01.12.2004\t14:30\tLook for 2",
     .tasksAfter = "01.12.2004|14:30|Look for 2\r\n"},
    {.click = "Add link task|9", .shown = "01.12.2004\t14:30\t",
     .tasksAfter = TASKS "\r\n01.12.2004|14:30|\r\n"},
    // An edit follows its record when the list changes under the dialog.
    {.click = "Edit link|1", .answer = "b\tedited",
     .linksMeanwhile = "new|front\r\na|1\r\nb|2\r\n", .shown = "b\t2",
     .linksAfter = "new|front\r\na|1\r\nb|edited\r\n"},
    {.click = "Edit task|1", .answer = "10.11.2012\t13:15\tmoved",
     .tasksMeanwhile = "10.11.2012|13:14|2\r\n20.12.2020|23:59|3\r\n",
     .shown = "10.11.2012\t13:14\t2",
     .tasksAfter = "10.11.2012|13:15|moved\r\n20.12.2020|23:59|3\r\n"},
    // A task whose texts name no date starts at the current minute.
    {.click = "Edit task|0", .shown = "01.12.2004\t14:30\tloose",
     .tasksAfter = "01.12.2004|14:30|loose\r\n", .tasksBefore = "1.2.03|4:05|loose"},
    // A record that has gone meanwhile, or never was, is not changed.
    {.click = "Edit link|1", .answer = "e\te", .linksMeanwhile = "a|1\r\nx|other", .shown = "b\t2"},
    {.click = "Edit link|7", .answer = "e\te", .shown = "\t"},
    {.click = "Edit task|1", .tasksMeanwhile = "01.02.2003|04:05|1",
     .shown = "10.11.2012\t13:14\t2"},
    {.click = "Edit task|3"},
    {.click = "Delete link|3", .shown = "?"},
    {.click = "Delete task|2", .tasksMeanwhile = "01.02.2003|04:05|1", .shown = "?"},
    // A delete removes its record wherever it now is.
    {.click = "Delete link|1", .linksMeanwhile = "b|2\r\nc|3\r\nhanded|\r\n", .shown = "?",
     .linksAfter = "c|3\r\nhanded|\r\n"},
    {.click = "Delete task|1", .tasksMeanwhile = "20.12.2020|23:59|3\r\n10.11.2012|13:14|2\r\n",
     .shown = "?", .tasksAfter = "20.12.2020|23:59|3\r\n"},
};
// clang-format on

// Cancel (or "No") shows the same dialog and changes and writes nothing.
TEST(CommandFlow, EveryPageCommandAppliesToTheListAsItIsWhenItsDialogCloses) {
    for (Row row : kRows) {
        for (const bool cancel : {false, true}) {
            if (cancel) {
                row.answer = nullptr;
                row.linksAfter = row.tasksAfter = nullptr;
            }
            SCOPED_TRACE(std::string(row.click) + (row.answer ? " / answered" : " / cancelled"));
            test::StoreFolder data;
            std::string links = kLinks, tasks = row.tasksBefore;
            auto write = [&](const char* newLinks, const char* newTasks) {
                links = newLinks ? newLinks : links;
                tasks = newTasks ? newTasks : tasks;
                data.WriteLinks(links);
                data.WriteTasks(tasks);
                data.store.Reload();
            };
            write(nullptr, nullptr);
            ScriptedDialogs dialogs;
            dialogs.answer = row.answer;
            dialogs.meanwhile = [&] { write(row.linksMeanwhile, row.tasksMeanwhile); };
            test::FixedClock clock{DateTime{2004, 12, 1, 14, 30}};

            // Each click belongs to exactly one of the two pages.
            const bool link = RunLinkCommand(row.click, data.store, {dialogs, dialogs, clock});
            EXPECT_NE(link, RunTaskCommand(row.click, data.store, dialogs, clock));
            EXPECT_EQ(dialogs.shown,
                      row.shown ? std::vector<std::string>{row.shown} : std::vector<std::string>{});
            EXPECT_EQ(data.Links(), row.linksAfter ? row.linksAfter : links);
            EXPECT_EQ(data.Tasks(), row.tasksAfter ? row.tasksAfter : tasks);
        }
    }
}

TEST(HandoverAddress, TakesTheFirstQuotedHrefValueCharacterForCharacterElseAll) {
    for (const auto& [markup, address] : std::vector<std::pair<std::string, std::string>>{
             {R"(<a href="https://a.org/x?y=1&amp;z=2">A</a>)", "https://a.org/x?y=1&amp;z=2"},
             {R"(<a class="c" href="u1" title="t" href="u2">)", "u1"},
             {R"(data-href="d" href="real")", "d"},
             {R"(<a href="">empty</a>)", ""},
             {R"(<a href="www.a.org/%20b)", "www.a.org/%20b"},
             // Without a double-quoted href the markup is taken whole.
             {"<a href='single'>x</a>", "<a href='single'>x</a>"},
             {"<a HREF=\"upper\">", "<a HREF=\"upper\">"}}) {
        EXPECT_EQ(ExtractHandoverAddress(markup), address) << markup;
    }
}

} // namespace
} // namespace quill
