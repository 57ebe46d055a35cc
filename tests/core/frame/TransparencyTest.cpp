#include "settings/Transparency.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// Alpha of the five levels, the unset level and codes where only the low byte
// of the product counts; stored codes outside 1 to 255 read as 80 so the
// window never vanishes.
TEST(LevelCodes, GiveTheirAlphaAndOnlyValidOnesSurviveBeingStored) {
    const std::pair<int, int> codeAlpha[] = {{1, 255}, {20, 176}, {40, 88},  {60, 144},
                                             {80, 44}, {0, 44},   {33, 188}, {2, 156},
                                             {256, 0}, {-1, 100}}; // -1: two's complement
    for (auto [code, alpha] : codeAlpha) {
        EXPECT_EQ(AlphaForLevel(code), alpha) << code;
    }
    const std::pair<int, int> storedRead[] = {{1, 1}, {255, 255}, {0, 80}, {256, 80}, {-1, 80}};
    for (auto [stored, read] : storedRead) {
        EXPECT_EQ(SanitizeStoredLevel(stored), read) << stored;
    }
}

} // namespace
} // namespace quill
