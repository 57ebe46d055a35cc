#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

// A clicked anchor's href text split into its command word and record position:
// "Edit link|3" is the verb "Edit link" with index 3. Without a "|" the verb is
// the whole text and the index 0.
struct PageCommandText {
    std::string verb;
    std::int64_t index = 0;
};

PageCommandText SplitPageCommand(std::string_view text);

// Reads a record position the way the page anchors are read: leading blanks
// skipped, the longest decimal number at the front, any fraction dropped
// toward zero; 0 when there is no number. Far too large values saturate.
std::int64_t ReadCommandIndex(std::string_view text);

} // namespace quill
