#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quill {

// The record at a page position, if there is one.
template <typename Record>
std::optional<Record> RecordAt(const std::vector<Record>& records, std::int64_t index) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= records.size()) {
        return std::nullopt;
    }
    return records[static_cast<std::size_t>(index)];
}

// Finds again, after a dialog, the record a command was started on. The list may
// have been reloaded, shortened or grown while the dialog was open, so position
// index counts only while it still holds the same texts; otherwise the first
// record with those texts is taken; if none has them, there is nothing to change.
template <typename Record, typename SameTexts>
std::optional<std::size_t> FindRecordAgain(const std::vector<Record>& records, std::int64_t index,
                                           const Record& remembered, SameTexts sameTexts) {
    if (index >= 0 && static_cast<std::uint64_t>(index) < records.size() &&
        sameTexts(records[static_cast<std::size_t>(index)], remembered)) {
        return static_cast<std::size_t>(index);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (sameTexts(records[i], remembered)) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace quill
