#pragma once

#include "core/find/FindMatch.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The text a browser shows for one of the program's generated pages, so that
// a search can be counted at once while the web engine still counts its own.
// Each block (table cell, row, line break) becomes one line; tags, the style
// sheet and comments show nothing; character references are decoded;
// runs of white space shrink to one space and vanish at a block's edges.
std::string ShownPageText(std::string_view html);

// A page's shown text, ready to be searched many times as the user types.
class ShownText {
public:
    explicit ShownText(std::string_view html = {});

    // Every match of needle, in order and not overlapping, never across two
    // blocks. With matchCase they are byte spans of Text(); without it, as in
    // the engine's find, letters match in either case, accented Latin-1
    // letters match their plain ones and a non-breaking space matches a
    // space, and the spans are those of that folded text. Letters beyond
    // Latin-1 match only themselves: the engine's own count settles those.
    std::vector<TextSpan> Matches(std::string_view needle, bool matchCase) const;

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    // m_text as a search that ignores case compares it.
    std::string m_folded;
};

} // namespace quill
