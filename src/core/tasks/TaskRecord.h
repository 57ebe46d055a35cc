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

} // namespace quill
