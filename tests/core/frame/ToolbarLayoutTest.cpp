#include "frame/ToolbarLayout.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Buttons = std::vector<int>;

// A stored layout reads back; foreign, repeated and malformed entries are dropped.
TEST(ToolbarLayout, ReadsBackWhatWasStoredAndDropsWhatNoButtonIs) {
    const Buttons chosen{32836, 0, 57634, 32837};
    EXPECT_EQ(ParseToolbarButtons(FormatToolbarButtons(chosen)), chosen);
    EXPECT_EQ(ParseToolbarButtons(std::string()), Buttons{});
    EXPECT_EQ(ParseToolbarButtons(std::string("57665,32836,x,32836,,0,0, 57634,-1,57634")),
              (Buttons{32836, 0, 0, 57634}));
}

} // namespace
} // namespace quill
