#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quill {

// The flow every page command follows: look the record up, ask the user, find
// the record again in the list as it is when the dialog has closed, apply the
// answer there and save. Nothing is changed or written on Cancel, or when the
// record the command was opened on has gone meanwhile.

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
template <typename Record, typename Same>
std::optional<std::size_t> FindRecordAgain(const std::vector<Record>& records, std::int64_t index,
                                           const Record& remembered, Same same) {
    if (index >= 0 && static_cast<std::uint64_t>(index) < records.size() &&
        same(records[static_cast<std::size_t>(index)], remembered)) {
        return static_cast<std::size_t>(index);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (same(records[i], remembered)) {
            return i;
        }
    }
    return std::nullopt;
}

// ask(started) shows the dialog for the record at index (nothing when there is
// none) and gives the replacement, or nothing.
template <typename Record, typename Ask, typename Same, typename Save>
void ReplaceRecord(std::vector<Record>& records, std::int64_t index, Ask ask, Same same,
                   Save save) {
    const std::optional<Record> started = RecordAt(records, index);
    std::optional<Record> replacement = ask(started);
    if (!replacement || !started) {
        return;
    }
    if (auto at = FindRecordAgain(records, index, *started, same)) {
        records[*at] = std::move(*replacement);
        save();
    }
}

template <typename Record, typename Confirm, typename Same, typename Save>
void RemoveRecord(std::vector<Record>& records, std::int64_t index, Confirm confirm, Same same,
                  Save save) {
    const std::optional<Record> started = RecordAt(records, index);
    if (!confirm() || !started) {
        return;
    }
    if (auto at = FindRecordAgain(records, index, *started, same)) {
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(*at));
        save();
    }
}

template <typename Record, typename Save>
void AppendRecord(std::vector<Record>& records, std::optional<Record> added, Save save) {
    if (added) {
        records.push_back(std::move(*added));
        save();
    }
}

} // namespace quill
