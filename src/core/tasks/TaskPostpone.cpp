#include "core/tasks/TaskPostpone.h"

#include <algorithm>

namespace quill {

DateTime AddMinutes(const DateTime& start, int minutes) {
    constexpr int kDay = 24 * 60;
    DateTime result = start;
    const int total = result.hour * 60 + result.minute + minutes;
    // Floored, so that going back crosses into the days before.
    int days = total >= 0 ? total / kDay : -((kDay - 1 - total) / kDay);
    const int inDay = total - days * kDay;
    result.hour = inDay / 60;
    result.minute = inDay % 60;
    for (; days > 0; --days) {
        if (++result.day > DaysInMonth(result.year, result.month)) {
            result.day = 1;
            if (++result.month > 12) {
                result.month = 1;
                ++result.year;
            }
        }
    }
    for (; days < 0; ++days) {
        if (--result.day < 1) {
            if (--result.month < 1) {
                result.month = 12;
                --result.year;
            }
            result.day = DaysInMonth(result.year, result.month);
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
