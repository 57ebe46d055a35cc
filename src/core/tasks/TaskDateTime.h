#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quill {

// A calendar date and a time of day to the minute (seconds are not kept).
struct DateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;

    auto operator<=>(const DateTime&) const = default;
};

struct TaskDateTexts {
    std::string date; // "dd.mm.yyyy"
    std::string time; // "hh:mm"
};

// Days of a month (1 to 12) of the Gregorian calendar.
int DaysInMonth(int year, int month);

bool IsValidDateTime(const DateTime& value);

// Day and month with two digits, the year as a plain number; hour and minute
// with two digits.
TaskDateTexts FormatTaskDateTime(const DateTime& value);

// The date-time that a task's texts name, or nothing when they name none:
// a date other than two digits "." two digits "." a year of one to four digits,
// a time other than two digits ":" two digits, or values out of range
// (month 13, 31 February, 24:00, ...).
std::optional<DateTime> ParseTaskDateTime(std::string_view date, std::string_view time);

} // namespace quill
