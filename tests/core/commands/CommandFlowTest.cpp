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
constexpr const char* kTasks = "01.02.2003|04:05|1\r\n10.11.2012|13:14|2\r\n20.12.2020|23:59|3";
constexpr const char* kSame = nullptr;

// Meanwhile: written and reloaded under the open dialog; After: kSame when not written.
struct Row {
    const char *click, *answer, *linksMeanwhile, *tasksMeanwhile, *shown, *linksAfter, *tasksAfter;
    const char* tasksBefore = kTasks;
};

const Row kRows[] = {
    // Adding appends to the list as it is when the dialog closes, as stored.
    {"Add link", "d/a|b\ttwo\r\nlines", "a|1\r\nhanded|over\r\n", nullptr, "\t",
     "a|1\r\nhanded|over\r\nd/a%7Cb|two lines\r\n", kSame},
    {"Add task", "05.03.2004\t09:05\tCall\nat nine", nullptr, nullptr, "01.12.2004\t14:30\t", kSame,
     "01.02.2003|04:05|1\r\n10.11.2012|13:14|2\r\n20.12.2020|23:59|3\r\n"
     "05.03.2004|09:05|Call at nine\r\n"},
    {"Add link task|1", "=", nullptr, "", "01.12.2004\t14:30\tLook for 2", kSame,
     "01.12.2004|14:30|Look for 2\r\n"},
    {"Add link task|9", "=", nullptr, nullptr, "01.12.2004\t14:30\t", kSame,
     "01.02.2003|04:05|1\r\n10.11.2012|13:14|2\r\n20.12.2020|23:59|3\r\n01.12.2004|14:30|\r\n"},
    // An edit follows its record when the list changes under the dialog.
    {"Edit link|1", "b\tedited", "new|front\r\na|1\r\nb|2\r\n", nullptr, "b\t2",
     "new|front\r\na|1\r\nb|edited\r\n", kSame},
    {"Edit task|1", "10.11.2012\t13:15\tmoved", nullptr,
     "10.11.2012|13:14|2\r\n20.12.2020|23:59|3\r\n", "10.11.2012\t13:14\t2", kSame,
     "10.11.2012|13:15|moved\r\n20.12.2020|23:59|3\r\n"},
    // A task whose texts name no date starts at the current minute.
    {"Edit task|0", "=", nullptr, nullptr, "01.12.2004\t14:30\tloose", kSame,
     "01.12.2004|14:30|loose\r\n", "1.2.03|4:05|loose"},
    // A record that has gone meanwhile, or never was, is not changed.
    {"Edit link|1", "e\te", "a|1\r\nx|other", nullptr, "b\t2", kSame, kSame},
    {"Edit link|7", "e\te", nullptr, nullptr, "\t", kSame, kSame},
    {"Edit task|1", "=", nullptr, "01.02.2003|04:05|1", "10.11.2012\t13:14\t2", kSame, kSame},
    {"Edit task|3", "=", nullptr, nullptr, nullptr, kSame, kSame},
    {"Delete link|3", "yes", nullptr, nullptr, "?", kSame, kSame},
    {"Delete task|2", "yes", nullptr, "01.02.2003|04:05|1", "?", kSame, kSame},
    // A delete removes its record wherever it now is.
    {"Delete link|1", "yes", "b|2\r\nc|3\r\nhanded|\r\n", nullptr, "?", "c|3\r\nhanded|\r\n",
     kSame},
    {"Delete task|1", "yes", nullptr, "20.12.2020|23:59|3\r\n10.11.2012|13:14|2\r\n", "?", kSame,
     "20.12.2020|23:59|3\r\n"},
};

// Cancel (or "No") shows the same dialog and changes and writes nothing.
TEST(CommandFlow, EveryPageCommandAppliesToTheListAsItIsWhenItsDialogCloses) {
    for (Row row : kRows) {
        for (const bool cancel : {false, true}) {
            if (cancel) {
                row.answer = nullptr;
                row.linksAfter = row.tasksAfter = kSame;
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
