#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace quill {

// Where a search stands: the current match, counted from 1 (0 when there is
// none), among all matches.
struct FindCount {
    int active = 0;
    int total = 0;
    bool operator==(const FindCount&) const = default;
};

// What moved the search: the text or the case changed (Refine), or Next or
// Previous was asked for.
enum class FindStep { Refine, Next, Previous };

// A stretch of text, [start, end).
struct TextSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

// The match a step lands on among matches sorted by start and not
// overlapping, given the current selection. Refine keeps the match at the
// selection's start or takes the first after it, so typing more letters stays
// on the match being typed; Next takes the first match at or after the
// selection's end, Previous the last one before its start. Past either end
// the search wraps round. Nothing when there are no matches.
std::optional<std::size_t> PickMatch(std::span<const TextSpan> matches, TextSpan selection,
                                     FindStep step);

} // namespace quill
