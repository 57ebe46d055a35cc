#pragma once

#include "app/Clock.h"
#include "links/LinkDialogs.h"
#include "tasks/TaskDialogs.h"

#include <functional>
#include <vector>

namespace quill::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now) : m_now(now) {}
    DateTime Now() const override { return m_now; }

private:
    DateTime m_now;
};

// Link dialogs whose answers a test scripts. Each answer may also change the
// lists, as a timer or an activation would while a real dialog is open. What
// each dialog was shown is kept.
struct ScriptedLinkDialogs : LinkDialogs {
    std::function<std::optional<LinkRecord>(const LinkRecord&)> onNew;
    std::function<std::optional<LinkRecord>(const LinkRecord&)> onEdit;
    std::function<bool()> onDelete;
    std::vector<LinkRecord> shown;
    int deleteAsked = 0;

    std::optional<LinkRecord> AskNewLink(const LinkRecord& initial) override {
        shown.push_back(initial);
        return onNew ? onNew(initial) : std::nullopt;
    }
    std::optional<LinkRecord> AskEditedLink(const LinkRecord& link) override {
        shown.push_back(link);
        return onEdit ? onEdit(link) : std::nullopt;
    }
    bool ConfirmDeleteLink() override {
        ++deleteAsked;
        return onDelete && onDelete();
    }
};

struct ScriptedTaskDialogs : TaskDialogs {
    std::function<std::optional<TaskDraft>(const TaskDraft&)> onNew;
    std::function<std::optional<TaskDraft>(const TaskDraft&)> onEdit;
    std::function<bool()> onDelete;
    std::vector<TaskDraft> shown;
    int deleteAsked = 0;

    std::optional<TaskDraft> AskNewTask(const TaskDraft& initial) override {
        shown.push_back(initial);
        return onNew ? onNew(initial) : std::nullopt;
    }
    std::optional<TaskDraft> AskEditedTask(const TaskDraft& initial) override {
        shown.push_back(initial);
        return onEdit ? onEdit(initial) : std::nullopt;
    }
    bool ConfirmDeleteTask() override {
        ++deleteAsked;
        return onDelete && onDelete();
    }
};

} // namespace quill::test
