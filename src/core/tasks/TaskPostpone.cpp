#include "core/tasks/TaskPostpone.h"

#include <algorithm>
#include <chrono>

namespace quill {

DateTime AddMinutes(const DateTime& start, int minutes) {
    using namespace std::chrono;
    const sys_days startDay{
        year_month_day{year{start.year}, month(unsigned(start.month)), day(unsigned(start.day))}};
    const sys_time<std::chrono::minutes> moment =
        startDay + hours{start.hour} + std::chrono::minutes{start.minute + minutes};
    // Floored, so that a moment before 1970 or going back still falls in its own day.
    const sys_days momentDay = floor<days>(moment);
    const year_month_day date{momentDay};
    const hh_mm_ss time{moment - momentDay};
    return DateTime{static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                    static_cast<int>(unsigned(date.day())), static_cast<int>(time.hours().count()),
                    static_cast<int>(time.minutes().count())};
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
