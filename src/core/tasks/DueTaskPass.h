#pragma once

#include "tasks/TaskDateTime.h"
#include "tasks/TaskRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quill {

struct MainFrameState;
class Clock;
class ReminderDialog;
class AllViews;

// The reminder duty of the task timer: shows each task due in the current
// minute once, and deletes it from the list and the task file on request.
//
// The list may change while a reminder is open (a reload on activation,
// another command, the link pickup). So the pass keeps no position across a
// dialog: it remembers by their texts the tasks it has shown in the current
// minute and looks for the next one in the list as it then stands. That also
// keeps a reload from bringing back a reminder already shown in this minute.
class DueTaskPass {
public:
    DueTaskPass(MainFrameState& state, const Clock& clock, ReminderDialog& dialog, AllViews& views);

    // One tick of the task timer. A tick that comes while a reminder of this
    // pass is open only asks for one more pass, run when that reminder closes,
    // so reminders come one after the other.
    void Run();

private:
    struct ShownTask {
        std::string date;
        std::string time;
        std::string comment;
        bool Names(const TaskRecord& task) const;
    };

    void RunOnce(const DateTime& now);
    std::optional<std::size_t> NextToRemind(const DateTime& now);
    void Delete(std::size_t shownAt, const ShownTask& shown);

    MainFrameState& m_state;
    const Clock& m_clock;
    ReminderDialog& m_dialog;
    AllViews& m_views;

    DateTime m_minute;
    std::vector<ShownTask> m_shownThisMinute;
    bool m_running = false;
    bool m_passRequested = false;
};

} // namespace quill
