#pragma once

#include "find/FindMatch.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The text a browser shows for one of the program's generated pages, so that
// a search can be counted at once while the web engine still counts its own.
// Each block (table cell, row, line break) becomes one line; tags, the style
// sheet and comments show nothing; character references are decoded;
// runs of white space shrink to one space and vanish at a block's edges; a
// non-breaking space reads as a space, as the engine's find reads it.
std::string ShownPageText(std::string_view html);

// A page's shown text, ready to be searched many times as the user types.
class ShownText {
public:
    explicit ShownText(std::string_view html = {});

    // Every match of needle, in order and not overlapping, as byte spans of
    // Text(). Without matchCase, letters match in either case (ASCII and
    // Latin-1 letters; the engine's own count settles any other). A match
    // never spans two blocks.
    std::vector<TextSpan> Matches(std::string_view needle, bool matchCase) const;

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    // m_text with its letters folded to lower case, byte for byte.
    std::string m_folded;
};

} // namespace quill
