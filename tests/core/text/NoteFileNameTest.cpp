#include "core/text/NoteFileName.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(NoteFileName, FirstLineWithTextMadeSafeAndShortEndingInTxt) {
    const std::pair<const char*, const char*> rows[] = {
        // clang-format off
        {"", "Note.txt"}, {" \n\t\n", "Note.txt"}, {"???", "Note.txt"}, {"todo.TXT", "todo.TXT"},
        {"\n\n  Shopping list  \nmilk", "Shopping list.txt"}, {"\nShopping", "Shopping.txt"},
        {"a/b\\c:d*e?\"f<g>h|i\r", "a b c d e f g h i.txt"},
        {"ends in dots...", "ends in dots.txt"},
        // clang-format on
        // 39 ASCII bytes, then a two-byte letter across the 40-byte cut.
        {"123456789012345678901234567890123456789\xC3\xA9xyz",
         "123456789012345678901234567890123456789.txt"},
        {"12345678901234567890123456789012345678\xC3\xA9xyz",
         "12345678901234567890123456789012345678\xC3\xA9.txt"},
    };
    for (const auto& [note, name] : rows) {
        EXPECT_EQ(ProposedNoteFileName(note), name) << note;
    }
}

} // namespace
} // namespace quill
