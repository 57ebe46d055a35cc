#include "commands/LinkCommands.h"
#include "commands/TaskCommands.h"

#include "support/StoreFolder.h"
#include "tasks/TaskFile.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// Fields of a dialog, separated by tabs: "address\tcomment" for a link,
// "date\ttime\tcomment" for a task, "?" for a yes/no question.
std::vector<std::string> Fields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = text.find('\t', start)) != std::string_view::npos;
         start = tab + 1) {
        fields.emplace_back(text.substr(start, tab - start));
    }
    fields.emplace_back(text.substr(start));
    return fields;
}

std::string Join(std::initializer_list<std::string> fields) {
    std::string text;
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        text += (field == fields.begin() ? "" : "\t") + *field;
    }
    return text;
}

// Every dialog records what it showed, lets the lists change as a timer or an
// activation would while it is open, then gives the scripted answer: nothing
// is Cancel (or "No"), "=" confirms what was shown.
struct ScriptedDialogs : LinkDialogs, TaskDialogs {
    const char* answer = nullptr;
    std::function<void()> meanwhile;
    std::vector<std::string> shown;

    bool Open(std::string showing) {
        shown.push_back(std::move(showing));
        if (meanwhile) {
            meanwhile();
        }
        return answer != nullptr;
    }
    std::optional<LinkRecord> AskLink(const LinkRecord& link) {
        if (!Open(Join({link.m_address, link.m_comment}))) {
            return std::nullopt;
        }
        if (std::string_view(answer) == "=") {
            return link;
        }
        auto fields = Fields(answer);
        return LinkRecord{fields.at(0), fields.at(1)};
    }
    std::optional<TaskDraft> AskTask(const TaskDraft& draft) {
        TaskDateTexts texts = FormatTaskDateTime(draft.when);
        if (!Open(Join({texts.date, texts.time, draft.comment}))) {
            return std::nullopt;
        }
        if (std::string_view(answer) == "=") {
            return draft;
        }
        auto fields = Fields(answer);
        return TaskDraft{*ParseTaskDateTime(fields.at(0), fields.at(1)), fields.at(2)};
    }

    std::optional<LinkRecord> AskNewLink(const LinkRecord& link) override { return AskLink(link); }
    std::optional<LinkRecord> AskEditedLink(const LinkRecord& link) override {
        return AskLink(link);
    }
    bool ConfirmDeleteLink() override { return Open("?"); }
    std::optional<TaskDraft> AskNewTask(const TaskDraft& draft) override { return AskTask(draft); }
    std::optional<TaskDraft> AskEditedTask(const TaskDraft& draft) override {
        return AskTask(draft);
    }
    bool ConfirmDeleteTask() override { return Open("?"); }
};

// The files start without a final line end, which every save adds: a file
// that reads back as it was written was not written.
constexpr const char* kLinks = "a.org|first\r\nb.org|second\r\nc.org|third";
constexpr const char* kTasks = "01.02.2003|04:05|first\r\n10.11.2012|13:14|second\r\n"
                               "20.12.2020|23:59|third";
constexpr const char* kSame = nullptr;

struct Row {
    const char* click;
    const char* answer;
    // Written to the files and reloaded while the dialog is open.
    const char* linksMeanwhile;
    const char* tasksMeanwhile;
    // What the one dialog showed; nothing when none showed.
    const char* shown;
    // kSame: not written since the dialog closed.
    const char* linksAfter;
    const char* tasksAfter;
    const char* tasksBefore = kTasks;
};

const Row kRows[] = {
    // Cancel (or "No") changes and writes nothing.
    {"Add link", nullptr, nullptr, nullptr, "\t", kSame, kSame},
    {"Edit link|1", nullptr, nullptr, nullptr, "b.org\tsecond", kSame, kSame},
    {"Delete link|1", nullptr, nullptr, nullptr, "?", kSame, kSame},
    {"Add link task|1", nullptr, nullptr, nullptr, "01.12.2004\t14:30\tLook for second", kSame,
     kSame},
    {"Add task", nullptr, nullptr, nullptr, "01.12.2004\t14:30\t", kSame, kSame},
    {"Edit task|1", nullptr, nullptr, nullptr, "10.11.2012\t13:14\tsecond", kSame, kSame},
    {"Delete task|1", nullptr, nullptr, nullptr, "?", kSame, kSame},
    // Adding appends to the list as it is when the dialog closes, as stored.
    {"Add link", "d.org/a|b\ttwo\r\nlines", "a.org|first\r\nhanded.over|meanwhile\r\n", nullptr,
     "\t", "a.org|first\r\nhanded.over|meanwhile\r\nd.org/a%7Cb|two lines\r\n", kSame},
    {"Add task", "05.03.2004\t09:05\tCall the bank\nat nine", nullptr, nullptr,
     "01.12.2004\t14:30\t", kSame,
     "01.02.2003|04:05|first\r\n10.11.2012|13:14|second\r\n20.12.2020|23:59|third\r\n"
     "05.03.2004|09:05|Call the bank at nine\r\n"},
    {"Add link task|9", "=", nullptr, nullptr, "01.12.2004\t14:30\t", kSame,
     "01.02.2003|04:05|first\r\n10.11.2012|13:14|second\r\n20.12.2020|23:59|third\r\n"
     "01.12.2004|14:30|\r\n"},
    // An edit follows its record when the list changes under the dialog.
    {"Edit link|1", "b.org\tedited", "new.org|put in front\r\na.org|first\r\nb.org|second\r\n",
     nullptr, "b.org\tsecond", "new.org|put in front\r\na.org|first\r\nb.org|edited\r\n", kSame},
    {"Edit task|1", "10.11.2012\t13:15\tmoved", nullptr,
     "10.11.2012|13:14|second\r\n20.12.2020|23:59|third\r\n", "10.11.2012\t13:14\tsecond", kSame,
     "10.11.2012|13:15|moved\r\n20.12.2020|23:59|third\r\n"},
    // A task whose texts name no date starts at the current minute.
    {"Edit task|0", "=", nullptr, nullptr, "01.12.2004\t14:30\tloose", kSame,
     "01.12.2004|14:30|loose\r\n", "1.2.03|4:05|loose"},
    // A record that has gone meanwhile, or never was, is not changed.
    {"Edit link|1", "e.org\te", "a.org|first\r\nx.org|other", nullptr, "b.org\tsecond", kSame,
     kSame},
    {"Edit link|7", "e.org\te", nullptr, nullptr, "\t", kSame, kSame},
    {"Edit task|1", "=", nullptr, "01.02.2003|04:05|first", "10.11.2012\t13:14\tsecond", kSame,
     kSame},
    {"Edit task|3", "=", nullptr, nullptr, nullptr, kSame, kSame},
    {"Edit task|-1", "=", nullptr, nullptr, nullptr, kSame, kSame},
    {"Delete link|3", "yes", nullptr, nullptr, "?", kSame, kSame},
    {"Delete task|2", "yes", nullptr, "01.02.2003|04:05|first", "?", kSame, kSame},
    // A delete removes its record wherever it now is.
    {"Delete link|1", "yes", "b.org|second\r\nc.org|third\r\nhanded.over|\r\n", nullptr, "?",
     "c.org|third\r\nhanded.over|\r\n", kSame},
    {"Delete task|1", "yes", nullptr, "20.12.2020|23:59|third\r\n10.11.2012|13:14|second\r\n", "?",
     kSame, "20.12.2020|23:59|third\r\n"},
};

TEST(CommandFlow, EveryPageCommandAppliesToTheListAsItIsWhenItsDialogCloses) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.click) + (row.answer ? " / answered" : " / cancelled"));
        test::StoreFolder data;
        data.WriteLinks(kLinks);
        data.WriteTasks(row.tasksBefore);
        data.store.Reload();
        ScriptedDialogs dialogs;
        dialogs.answer = row.answer;
        std::string links = kLinks;
        std::string tasks = row.tasksBefore;
        dialogs.meanwhile = [&] {
            links = row.linksMeanwhile ? row.linksMeanwhile : links;
            tasks = row.tasksMeanwhile ? row.tasksMeanwhile : tasks;
            data.WriteLinks(links);
            data.WriteTasks(tasks);
            data.store.Reload();
        };
        test::FixedClock clock{DateTime{2004, 12, 1, 14, 30}};

        const bool recognised = RunLinkCommand(row.click, data.store, {dialogs, dialogs, clock}) ||
                                RunTaskCommand(row.click, data.store, dialogs, clock);

        EXPECT_TRUE(recognised);
        EXPECT_EQ(dialogs.shown,
                  row.shown ? std::vector<std::string>{row.shown} : std::vector<std::string>{});
        EXPECT_EQ(data.Links(), row.linksAfter ? row.linksAfter : links);
        EXPECT_EQ(data.Tasks(), row.tasksAfter ? row.tasksAfter : tasks);
        EXPECT_TRUE(data.unsaved.empty());
    }
}

} // namespace
} // namespace quill
