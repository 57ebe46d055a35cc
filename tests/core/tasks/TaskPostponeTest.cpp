#include "tasks/TaskPostpone.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// The minute a "Later" choice moves a task to, from the clock's minute.
TEST(TaskPostponeTest, LaterCountsOnAcrossDaysMonthsAndYears) {
    struct Case {
        DateTime from;
        int minutes;
        DateTime to;
    };
    const Case cases[] = {
        {{2024, 5, 17, 15, 30}, 5, {2024, 5, 17, 15, 35}},
        {{2024, 5, 17, 23, 45}, 30, {2024, 5, 18, 0, 15}},
        {{2024, 4, 30, 23, 30}, 60, {2024, 5, 1, 0, 30}},
        {{2024, 2, 28, 23, 59}, 5, {2024, 2, 29, 0, 4}},
        {{2023, 2, 28, 23, 59}, 5, {2023, 3, 1, 0, 4}},
        {{2100, 2, 28, 23, 59}, 60, {2100, 3, 1, 0, 59}},
        {{2026, 12, 31, 23, 50}, 10, {2027, 1, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddMinutes(c.from, c.minutes), c.to)
            << c.minutes << " from " << c.from.day << "." << c.from.month << "." << c.from.year;
    }
}

} // namespace
} // namespace quill
