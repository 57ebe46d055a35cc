#include "core/find/FindMatch.h"

#include <gtest/gtest.h>
#include <vector>

namespace quill {
namespace {

// Matches of "ab" in "ab ab ab": starts 0, 3 and 6.
const std::vector<TextSpan> kThree{{0, 2}, {3, 5}, {6, 8}};

TEST(FindMatchTest, NextAndPreviousStepFromTheSelectionAndWrapRoundRefiningStays) {
    EXPECT_EQ(PickMatch(kThree, {3, 5}, FindStep::Next), 2u);
    EXPECT_EQ(PickMatch(kThree, {6, 8}, FindStep::Next), 0u); // past the last
    EXPECT_EQ(PickMatch(kThree, {3, 5}, FindStep::Previous), 0u);
    EXPECT_EQ(PickMatch(kThree, {0, 2}, FindStep::Previous), 2u); // before the first
    // A bare caret: the match just at it is the next one.
    EXPECT_EQ(PickMatch(kThree, {3, 3}, FindStep::Next), 1u);
    EXPECT_EQ(PickMatch(kThree, {4, 4}, FindStep::Previous), 1u);
    // Refining stays on the match being typed or takes the next one.
    EXPECT_EQ(PickMatch(kThree, {3, 4}, FindStep::Refine), 1u); // "a" grew to "ab"
    EXPECT_EQ(PickMatch(kThree, {4, 5}, FindStep::Refine), 2u);
    EXPECT_EQ(PickMatch(kThree, {7, 7}, FindStep::Refine), 0u);
    EXPECT_EQ(PickMatch({}, {0, 0}, FindStep::Next), std::nullopt);
}

} // namespace
} // namespace quill
