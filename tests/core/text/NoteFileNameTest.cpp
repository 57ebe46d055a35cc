#include "text/NoteFileName.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(NoteFileName, FirstLineWithTextMadeSafeAndShortEndingInTxt) {
    const struct {
        const char* note;
        const char* name;
    } rows[] = {
        {"", "Note.txt"},
        {" \n\t\n", "Note.txt"},
        {"\n\n  Shopping list  \nmilk", "Shopping list.txt"},
        {"\nShopping", "Shopping.txt"},
        {"a/b\\c:d*e?\"f<g>h|i\r", "a b c d e f g h i.txt"},
        {"todo.TXT", "todo.TXT"},
        {"ends in dots...", "ends in dots.txt"},
        {"???", "Note.txt"},
        // 39 ASCII bytes, then a two-byte letter across the 40-byte cut.
        {"123456789012345678901234567890123456789\xC3\xA9xyz",
         "123456789012345678901234567890123456789.txt"},
        {"12345678901234567890123456789012345678\xC3\xA9xyz",
         "12345678901234567890123456789012345678\xC3\xA9.txt"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ProposedNoteFileName(row.note), row.name) << row.note;
    }
}

} // namespace
} // namespace quill
