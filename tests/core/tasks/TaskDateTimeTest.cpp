#include "tasks/TaskDateTime.h"

#include <chrono>
#include <gtest/gtest.h>

namespace quill {
namespace {

bool IsCalendarDate(int y, int m, int d) {
    using namespace std::chrono;
    return year_month_day{year{y}, month(unsigned(m)), day(unsigned(d))}.ok();
}

// The texts name a moment exactly when the calendar has that day and the clock
// that minute: every month's last day and not the day after, 29 February in
// 2000 and 2024 but not in 1900 or 2023, times up to 23:59.
TEST(TaskDateTime, AcceptedExactlyWhenTheCalendarAndTheClockHaveThem) {
    const std::pair<int, int> times[] = {{0, 0}, {9, 10}, {23, 59}, {24, 0}, {12, 60}};
    for (int year : {1, 4, 1900, 2000, 2023, 2024, 2100, 9999}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                for (auto [hour, minute] : times) {
                    const DateTime value{year, month, day, hour, minute};
                    const TaskDateTexts texts = FormatTaskDateTime(value);
                    const bool valid = IsCalendarDate(year, month, day) && hour < 24 && minute < 60;
                    EXPECT_EQ(ParseTaskDateTime(texts.date, texts.time),
                              valid ? std::optional(value) : std::nullopt)
                        << texts.date << " " << texts.time;
                }
            }
        }
    }
}

TEST(TaskDateTime, PadsAllButTheYearAndReadsNoOtherShape) {
    const TaskDateTexts texts = FormatTaskDateTime({800, 3, 5, 9, 7});
    EXPECT_EQ(texts.date + " " + texts.time, "05.03.800 09:07");
    EXPECT_FALSE(IsValidDateTime({10000, 1, 1, 0, 0}));
    const std::pair<const char*, const char*> bad[] = {
        {"5.3.2004", "09:05"},    {"05.03.2004", "9:05"},     {"05.03.", "09:05"},
        {"05.03.02004", "09:05"}, {"05.03.0", "09:05"},       {"ab.03.2004", "09:05"},
        {"05.0x.2004", "09:05"},  {"05.03.20x4", "09:05"},    {"05.03.2004", "0x:05"},
        {"05.03.2004", "09:x5"},  {"05/03.2004", "09:05"},    {"05.03/2004", "09:05"},
        {"05.03.2004", "09.05"},  {"05.03.2004", "09:05:00"}, {"-5.03.2004", "09:05"}};
    for (auto [date, time] : bad) {
        EXPECT_EQ(ParseTaskDateTime(date, time), std::nullopt) << date << " " << time;
    }
}

} // namespace
} // namespace quill
