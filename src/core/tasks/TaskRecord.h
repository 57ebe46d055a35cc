#pragma once

#include <string>

namespace quill {

// One task: its due date ("dd.mm.yyyy") and time ("hh:mm") as texts, a comment,
// and whether its reminder has been shown (kept in memory only).
struct TaskRecord {
    std::string m_date;
    std::string m_time;
    std::string m_comment;
    bool reminded = false;

    bool operator==(const TaskRecord&) const = default;
};

// A task is known by its texts: a reminder shown meanwhile does not make it
// another task.
inline bool SameTask(const TaskRecord& a, const TaskRecord& b) {
    return a.m_date == b.m_date && a.m_time == b.m_time && a.m_comment == b.m_comment;
}

} // namespace quill
