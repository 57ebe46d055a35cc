#pragma once

#include "files/DataFileResult.h"
#include "files/FileStamp.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill {

// Another program changed a data file after this program read it. Rather than
// write its own list over that change, the program takes the file as it is
// now (theirs) and makes there the change that turned the list it read (base)
// into its own (mine): the records that differ in the middle of the two lists
// are found again in theirs by their texts, as a command finds its record
// after a dialog. An edited record is replaced where it is, a removed one is
// removed, and a record added with no record before it to replace is appended.
// A record that another program removed meanwhile stays removed.
template <typename Record, typename SameTexts>
std::vector<Record> ReapplyChange(const std::vector<Record>& base, const std::vector<Record>& mine,
                                  std::vector<Record> theirs, SameTexts sameTexts) {
    std::size_t front = 0;
    while (front < base.size() && front < mine.size() && sameTexts(base[front], mine[front])) {
        ++front;
    }
    std::size_t back = 0;
    while (back < base.size() - front && back < mine.size() - front &&
           sameTexts(base[base.size() - 1 - back], mine[mine.size() - 1 - back])) {
        ++back;
    }
    const std::size_t baseEnd = base.size() - back;
    const std::size_t mineEnd = mine.size() - back;

    // Where each changed record of base now is in theirs, found before anything moves.
    std::vector<std::int64_t> places;
    std::vector<bool> taken(theirs.size(), false);
    for (std::size_t i = front; i < baseEnd; ++i) {
        // At its old position while that still holds the same texts, otherwise
        // the first record with them that no other change has claimed.
        std::int64_t place = -1;
        if (i < theirs.size() && !taken[i] && sameTexts(theirs[i], base[i])) {
            place = static_cast<std::int64_t>(i);
        }
        for (std::size_t j = 0; place < 0 && j < theirs.size(); ++j) {
            if (!taken[j] && sameTexts(theirs[j], base[i])) {
                place = static_cast<std::int64_t>(j);
            }
        }
        if (place >= 0) {
            taken[static_cast<std::size_t>(place)] = true;
        }
        places.push_back(place);
    }

    std::vector<bool> removed(theirs.size(), false);
    std::vector<Record> appended;
    for (std::size_t k = 0; front + k < std::max(baseEnd, mineEnd); ++k) {
        const bool wasThere = front + k < baseEnd;
        const bool isThere = front + k < mineEnd;
        if (wasThere && places[k] < 0) {
            continue; // removed meanwhile: there is nothing to edit or remove
        }
        if (wasThere && isThere) {
            theirs[static_cast<std::size_t>(places[k])] = mine[front + k];
        } else if (wasThere) {
            removed[static_cast<std::size_t>(places[k])] = true;
        } else {
            appended.push_back(mine[front + k]);
        }
    }
    std::vector<Record> result;
    for (std::size_t j = 0; j < theirs.size(); ++j) {
        if (!removed[j]) {
            result.push_back(std::move(theirs[j]));
        }
    }
    result.insert(result.end(), appended.begin(), appended.end());
    return result;
}

// A data file as this program last read or wrote it, so that a save can tell
// whether another program changed it meanwhile.
template <typename Record> class FileAsRead {
public:
    // stamp: taken before the file was read, so a change made during the read
    // still counts as a change.
    void Remember(std::optional<FileStamp> stamp, const std::vector<Record>& records) {
        m_stamp = stamp;
        m_records = records;
    }

    // The file at path is still the one remembered.
    bool Unchanged(const std::string& path) const { return StampOfFile(path) == m_stamp; }

    // Before mine is written to path: where the file is no longer the one
    // remembered, it is read again and mine becomes its list with this
    // program's change made in it. A file that cannot be read is left to the
    // save as it is.
    template <typename Load, typename SameTexts>
    void TakeInOtherEdits(const std::string& path, std::vector<Record>& mine, Load load,
                          SameTexts sameTexts) const {
        if (StampOfFile(path) == m_stamp) {
            return;
        }
        std::vector<Record> theirs;
        if (load(path, theirs) == LoadOutcome::Loaded) {
            mine = ReapplyChange(m_records, mine, std::move(theirs), sameTexts);
        }
    }

private:
    std::optional<FileStamp> m_stamp;
    std::vector<Record> m_records;
};

} // namespace quill
