#pragma once

#include <string>
#include <string_view>

namespace quill {

// The name the save dialog proposes for the note: its first line that holds
// any text, without characters file systems refuse, cut to a short name on a
// character boundary, ending in ".txt"; "Note.txt" for a note without text.
std::string ProposedNoteFileName(std::string_view note);

} // namespace quill
