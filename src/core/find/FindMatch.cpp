#include "core/find/FindMatch.h"

#include <algorithm>

namespace quill {

std::optional<std::size_t> PickMatch(std::span<const TextSpan> matches, TextSpan selection,
                                     FindStep step) {
    if (matches.empty()) {
        return std::nullopt;
    }
    const auto startsBefore = [](const TextSpan& match, std::size_t at) {
        return match.start < at;
    };
    if (step == FindStep::Previous) {
        const auto after =
            std::lower_bound(matches.begin(), matches.end(), selection.start, startsBefore);
        // Before the first match: round to the last.
        return after == matches.begin() ? matches.size() - 1
                                        : static_cast<std::size_t>(after - matches.begin()) - 1;
    }
    const std::size_t from = step == FindStep::Refine ? selection.start : selection.end;
    const auto at = std::lower_bound(matches.begin(), matches.end(), from, startsBefore);
    return at == matches.end() ? 0 : static_cast<std::size_t>(at - matches.begin());
}

} // namespace quill
