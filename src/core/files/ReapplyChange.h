#pragma once

#include "core/files/DataFileResult.h"
#include "core/files/FileStamp.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill {

// One record of a change to a list: edited (before and after), removed
// (before only) or added (after only). at is its place in the list the change
// was made to, where it is looked for first.
template <typename Record> struct ListStep {
    std::optional<Record> before;
    std::size_t at = 0;
    std::optional<Record> after;
};

// What one command did to a list, found by comparing the list before and after.
template <typename Record> using ListChange = std::vector<ListStep<Record>>;

// Middles larger than this (cells of the alignment table) are paired in order
// instead of aligned: no command makes such a change, and the table would be large.
inline constexpr std::size_t kMaxAlignmentCells = std::size_t{1} << 22;

// The records that differ between before and after. Records kept by both are
// found by a longest common subsequence, so two changes far apart are two
// steps and the unchanged records between them stay out of the change. Within
// each gap between kept records, removed and added records pair up in order
// as edits; the rest are removals or additions.
template <typename Record, typename SameTexts>
ListChange<Record> ChangeBetween(const std::vector<Record>& before,
                                 const std::vector<Record>& after, SameTexts sameTexts) {
    std::size_t front = 0;
    while (front < before.size() && front < after.size() &&
           sameTexts(before[front], after[front])) {
        ++front;
    }
    std::size_t back = 0;
    while (back < before.size() - front && back < after.size() - front &&
           sameTexts(before[before.size() - 1 - back], after[after.size() - 1 - back])) {
        ++back;
    }
    const std::size_t n = before.size() - front - back;
    const std::size_t m = after.size() - front - back;

    // kept[i] is the index in after's middle that before's middle record i is
    // kept as, or -1.
    std::vector<std::int64_t> kept(n, -1);
    if (n > 0 && m > 0 && (n + 1) * (m + 1) <= kMaxAlignmentCells) {
        std::vector<std::uint32_t> length((n + 1) * (m + 1), 0);
        auto cell = [m](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = m; j-- > 0;) {
                length[cell(i, j)] = sameTexts(before[front + i], after[front + j])
                                         ? length[cell(i + 1, j + 1)] + 1
                                         : std::max(length[cell(i + 1, j)], length[cell(i, j + 1)]);
            }
        }
        for (std::size_t i = 0, j = 0; i < n && j < m;) {
            if (sameTexts(before[front + i], after[front + j])) {
                kept[i++] = static_cast<std::int64_t>(j++);
            } else if (length[cell(i + 1, j)] >= length[cell(i, j + 1)]) {
                ++i;
            } else {
                ++j;
            }
        }
    }

    ListChange<Record> change;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        // The gap up to the next kept pair (or the end of both middles).
        std::size_t gapEnd = i;
        while (gapEnd < n && kept[gapEnd] < 0) {
            ++gapEnd;
        }
        const std::size_t afterEnd = gapEnd < n ? static_cast<std::size_t>(kept[gapEnd]) : m;
        for (; i < gapEnd || j < afterEnd; ++i, ++j) {
            ListStep<Record> step;
            step.at = front + std::min(i, n);
            if (i < gapEnd) {
                step.before = before[front + i];
            }
            if (j < afterEnd) {
                step.after = after[front + j];
            }
            change.push_back(std::move(step));
        }
        i = gapEnd + 1;
        j = afterEnd + 1;
    }
    return change;
}

// Makes change in list, a list that may have been changed by others since:
// each record the change touched is looked for by its texts, at its old place
// first, then the first one no other step has claimed. An edited record is
// replaced where it is, a removed one removed, and an added one appended. A
// record that is no longer there (removed or edited by another program) stays
// as the other program left it.
template <typename Record, typename SameTexts>
void ApplyChange(const ListChange<Record>& change, std::vector<Record>& list, SameTexts sameTexts) {
    std::vector<std::int64_t> places;
    std::vector<bool> taken(list.size(), false);
    for (const ListStep<Record>& step : change) {
        std::int64_t place = -1;
        if (step.before) {
            if (step.at < list.size() && !taken[step.at] &&
                sameTexts(list[step.at], *step.before)) {
                place = static_cast<std::int64_t>(step.at);
            }
            for (std::size_t k = 0; place < 0 && k < list.size(); ++k) {
                if (!taken[k] && sameTexts(list[k], *step.before)) {
                    place = static_cast<std::int64_t>(k);
                }
            }
            if (place >= 0) {
                taken[static_cast<std::size_t>(place)] = true;
            }
        }
        places.push_back(place);
    }
    std::vector<bool> removed(list.size(), false);
    std::vector<Record> appended;
    for (std::size_t s = 0; s < change.size(); ++s) {
        const ListStep<Record>& step = change[s];
        if (!step.before) {
            appended.push_back(*step.after);
        } else if (places[s] >= 0 && step.after) {
            list[static_cast<std::size_t>(places[s])] = *step.after;
        } else if (places[s] >= 0) {
            removed[static_cast<std::size_t>(places[s])] = true;
        }
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (!removed[k]) {
            if (kept != k) {
                list[kept] = std::move(list[k]);
            }
            ++kept;
        }
    }
    list.resize(kept);
    list.insert(list.end(), appended.begin(), appended.end());
}

// Another program changed a data file after this program read it: theirs is
// the file as it is now, and the result is theirs with the change that turned
// base into mine made in it.
template <typename Record, typename SameTexts>
std::vector<Record> ReapplyChange(const std::vector<Record>& base, const std::vector<Record>& mine,
                                  std::vector<Record> theirs, SameTexts sameTexts) {
    ApplyChange(ChangeBetween(base, mine, sameTexts), theirs, sameTexts);
    return theirs;
}

// A data file as this program last read or wrote it, and the changes made to
// its list since, one per save, so that a save can make each of them again
// in the file as another program left it. Changes stay until a save succeeds.
template <typename Record> class FileAsRead {
public:
    // After a read: the file's records, with the changes not yet written made
    // in them again. stamp is taken before the read, so a change made during
    // the read still counts as a change; read is false when the file could
    // not be read, and then it is never written before a read succeeds.
    template <typename SameTexts>
    void Loaded(std::optional<FileStamp> stamp, bool read, std::vector<Record>& records,
                SameTexts sameTexts) {
        m_stamp = stamp;
        m_read = read;
        for (const ListChange<Record>& change : m_pending) {
            ApplyChange(change, records, sameTexts);
        }
        m_last = records;
    }

    // The file at path is still the one remembered.
    bool Unchanged(const std::string& path) const { return StampOfFile(path) == m_stamp; }

    // After a save wrote mine: written is the stamp of the file written.
    void Saved(std::optional<FileStamp> written, const std::vector<Record>& mine) {
        m_stamp = written;
        m_read = true;
        m_pending.clear();
        m_last = mine;
    }

    // Forgets the changes not yet written (the list now belongs to another file).
    void Forget() {
        m_pending.clear();
        m_last.clear();
        m_stamp.reset();
        m_read = false;
    }

    // Before mine is written to path: the change since the last save is kept,
    // and where the file is no longer the one remembered (or was never read)
    // it is read again and mine becomes its list with every kept change made
    // in it. False when mine must not be written: the file changed or was
    // never read, and cannot be read now.
    template <typename Load, typename SameTexts>
    bool TakeInOtherEdits(const std::string& path, std::vector<Record>& mine, Load load,
                          SameTexts sameTexts) {
        if (ListChange<Record> change = ChangeBetween(m_last, mine, sameTexts); !change.empty()) {
            m_pending.push_back(std::move(change));
        }
        m_last = mine;
        const std::optional<FileStamp> stamp = StampOfFile(path);
        if (m_read && stamp == m_stamp) {
            return true;
        }
        std::vector<Record> theirs;
        const LoadOutcome outcome = load(path, theirs);
        if (outcome != LoadOutcome::Loaded && outcome != LoadOutcome::CreatedNew) {
            return false; // what the file holds now was never seen
        }
        Loaded(stamp, true, theirs, sameTexts);
        mine = std::move(theirs);
        return true;
    }

    const std::optional<FileStamp>& Stamp() const { return m_stamp; }
    bool HasUnsavedChanges() const { return !m_pending.empty(); }

private:
    std::optional<FileStamp> m_stamp;
    bool m_read = false;
    std::vector<Record> m_last;
    std::vector<ListChange<Record>> m_pending;
};

} // namespace quill
