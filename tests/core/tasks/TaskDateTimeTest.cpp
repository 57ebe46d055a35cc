#include "tasks/TaskDateTime.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(TaskDateTime, PadsAllButTheYearAndReadsBackWhatItWrites) {
    EXPECT_EQ(FormatTaskDateTime({2004, 3, 5, 9, 5}).date, "05.03.2004");
    EXPECT_EQ(FormatTaskDateTime({2004, 3, 5, 9, 5}).time, "09:05");
    EXPECT_EQ(FormatTaskDateTime({800, 1, 2, 0, 0}).date, "02.01.800");
    EXPECT_EQ(ParseTaskDateTime("28.11.2004", "17:45"), (DateTime{2004, 11, 28, 17, 45}));
    EXPECT_EQ(ParseTaskDateTime("29.02.2024", "00:00"), (DateTime{2024, 2, 29, 0, 0}));

    for (DateTime value : {DateTime{2004, 3, 5, 9, 5}, DateTime{1999, 12, 31, 23, 59},
                           DateTime{2030, 1, 1, 0, 0}, DateTime{800, 7, 4, 12, 30}}) {
        TaskDateTexts texts = FormatTaskDateTime(value);
        EXPECT_EQ(ParseTaskDateTime(texts.date, texts.time), value)
            << texts.date << " " << texts.time;
    }
}

TEST(ParseTaskDateTime, AnswersNothingForTextsThatNameNoDateTime) {
    const std::pair<const char*, const char*> bad[] = {
        {"", ""},
        {"5.3.2004", "09:05"},     // wrong length
        {"05.03.2004", "9:05"},    // wrong length
        {"05.13.2004", "09:05"},   // month 13
        {"31.02.2004", "09:05"},   // 31 February
        {"29.02.2023", "09:05"},   // no leap year
        {"00.03.2004", "09:05"},   // day 0
        {"05.03.2004", "24:00"},   // hour 24
        {"05.03.2004", "09:60"},   // minute 60
        {"ab.03.2004", "09:05"},   // letters
        {"05.03.20x4", "09:05"},   // letters in the year
        {"05/03/2004", "09:05"},   // other separators
        {"05.03.2004", "09.05"},   //
        {"05.03.12345", "09:05"},  // five-digit year
        {"05.03.2004", "09:05:00"} // seconds
    };
    for (auto [date, time] : bad) {
        EXPECT_EQ(ParseTaskDateTime(date, time), std::nullopt) << date << " " << time;
    }
}

} // namespace
} // namespace quill
