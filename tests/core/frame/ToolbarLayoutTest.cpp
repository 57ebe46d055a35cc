#include "frame/ToolbarLayout.h"

#include "frame/CommandTable.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Buttons = std::vector<int>;

// Stored layouts, the first one too, read back; foreign, repeated, malformed entries go.
TEST(ToolbarLayout, ReadsBackWhatWasStoredAndDropsWhatNoButtonIs) {
    const Buttons first = ParseToolbarButtons(std::nullopt);
    EXPECT_EQ(first,
              (Buttons{kSettingsCommand, kSaveNoteCommand, kToolbarSeparator, kCutCommand,
                       kCopyCommand, kPasteCommand, kToolbarSeparator, kTransparenceCommand}));
    EXPECT_EQ(ParseToolbarButtons(FormatToolbarButtons(first)), first);
    EXPECT_EQ(ParseToolbarButtons(std::string()), Buttons{});
    EXPECT_EQ(ParseToolbarButtons(std::string("57665,32836,x,32836,,0,0, 57634,-1,57634,57635x")),
              (Buttons{32836, 0, 0, 57634}));
}

} // namespace
} // namespace quill
