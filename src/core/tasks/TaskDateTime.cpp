#include "core/tasks/TaskDateTime.h"

#include <chrono>

namespace quill {

namespace {

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() == 1) {
        text.insert(text.begin(), '0');
    }
    return text;
}

// Reads a run of decimal digits; nothing when the text is empty or holds
// anything but digits.
std::optional<int> ReadDigits(std::string_view text) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int DaysInMonth(int year, int month) {
    const std::chrono::year_month_day_last last{
        std::chrono::year{year}, std::chrono::month_day_last{std::chrono::month(unsigned(month))}};
    return static_cast<int>(unsigned(last.day()));
}

bool IsValidDateTime(const DateTime& value) {
    if (value.year < 1 || value.year > 9999 || value.month < 1 || value.month > 12) {
        return false;
    }
    if (value.day < 1 || value.day > DaysInMonth(value.year, value.month)) {
        return false;
    }
    return value.hour >= 0 && value.hour <= 23 && value.minute >= 0 && value.minute <= 59;
}

TaskDateTexts FormatTaskDateTime(const DateTime& value) {
    return TaskDateTexts{TwoDigits(value.day) + "." + TwoDigits(value.month) + "." +
                             std::to_string(value.year),
                         TwoDigits(value.hour) + ":" + TwoDigits(value.minute)};
}

std::optional<DateTime> ParseTaskDateTime(std::string_view date, std::string_view time) {
    if (date.size() < 7 || date[2] != '.' || date[5] != '.') {
        return std::nullopt;
    }
    if (time.size() != 5 || time[2] != ':') {
        return std::nullopt;
    }
    auto day = ReadDigits(date.substr(0, 2));
    auto month = ReadDigits(date.substr(3, 2));
    auto year = ReadDigits(date.substr(6));
    auto hour = ReadDigits(time.substr(0, 2));
    auto minute = ReadDigits(time.substr(3, 2));
    if (!day || !month || !year || !hour || !minute) {
        return std::nullopt;
    }
    DateTime value{*year, *month, *day, *hour, *minute};
    if (!IsValidDateTime(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace quill
