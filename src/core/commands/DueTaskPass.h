#pragma once

#include "lists/AllViews.h"
#include "lists/ListStore.h"
#include "tasks/Clock.h"
#include "tasks/ReminderDialog.h"

#include <cstddef>
#include <optional>

namespace quill {

// The reminder duty of the task timer: shows each task due in the current
// minute once, and deletes it from the list and the task file on request.
//
// The list may change while a reminder is open (a reload on activation,
// another command, the link pickup). So the pass keeps no position across a
// dialog: it marks a task reminded before showing it, looks for the next one
// in the list as it then stands, and finds a task to delete again by its texts.
// A reload keeps the marks of unchanged tasks, so a reminder already shown in
// this minute does not come back.
class DueTaskPass {
public:
    DueTaskPass(ListStore& store, const Clock& clock, ReminderDialog& dialog, AllViews& views);

    // One tick of the task timer. A tick that comes while a reminder of this
    // pass is open only asks for one more pass, run when that reminder closes,
    // so reminders come one after the other.
    void Run();

private:
    void RunOnce(const DateTime& now);
    std::optional<std::size_t> NextToRemind(const DateTime& now) const;
    void Delete(std::size_t shownAt, const TaskRecord& shown);

    ListStore& m_store;
    const Clock& m_clock;
    ReminderDialog& m_dialog;
    AllViews& m_views;

    bool m_running = false;
    bool m_passRequested = false;
};

} // namespace quill
