#include "tasks/TaskPostpone.h"

#include "pages/RecordLookup.h"

namespace quill {

namespace {
bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool SameTexts(const TaskRecord& a, const TaskRecord& b) {
    return a.m_date == b.m_date && a.m_time == b.m_time && a.m_comment == b.m_comment;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}
} // namespace

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

bool PostponeTask(std::vector<TaskRecord>& tasks, const TaskRecord& shown, const DateTime& newDue) {
    auto index = FindRecordAgain(tasks, -1, shown, SameTexts);
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
