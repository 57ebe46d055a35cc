#include "tasks/TaskPostpone.h"

#include <algorithm>

namespace quill {

DateTime AddMinutes(const DateTime& start, int minutes) {
    DateTime result = start;
    int total = result.hour * 60 + result.minute + minutes;
    int days = 0;
    while (total >= 24 * 60) {
        total -= 24 * 60;
        ++days;
    }
    result.hour = total / 60;
    result.minute = total % 60;
    for (; days > 0; --days) {
        if (++result.day > DaysInMonth(result.year, result.month)) {
            result.day = 1;
            if (++result.month > 12) {
                result.month = 1;
                ++result.year;
            }
        }
    }
    return result;
}

std::optional<std::size_t> FindTaskByTexts(const std::vector<TaskRecord>& tasks,
                                           const TaskRecord& shown) {
    const auto it = std::find_if(tasks.begin(), tasks.end(), [&shown](const TaskRecord& task) {
        return SameTask(task, shown);
    });
    if (it == tasks.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - tasks.begin());
}

bool PostponeTask(std::vector<TaskRecord>& tasks, const TaskRecord& shown, const DateTime& newDue) {
    auto index = FindTaskByTexts(tasks, shown);
    if (!index) {
        return false;
    }
    TaskRecord& task = tasks[*index];
    const TaskDateTexts texts = FormatTaskDateTime(newDue);
    task.m_date = texts.date;
    task.m_time = texts.time;
    task.reminded = false;
    return true;
}

} // namespace quill
