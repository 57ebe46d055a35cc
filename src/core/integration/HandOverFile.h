#pragma once

#include "core/files/CrossProcessLock.h"

#include <functional>
#include <optional>
#include <string>

namespace quill {

// The three hand-over values as one record of the profile file.
struct HandOverValues {
    std::optional<std::string> flag; // "new_link"
    std::optional<std::string> href; // "new_link_href"
    std::optional<std::string> text; // "new_link_text"

    bool Waiting() const { return flag == "true"; }
};

// The single-slot hand-over that older link hosts write, kept in the profile
// file itself rather than through QSettings: each side reads all three values
// from one snapshot of the file and changes them in one replace of the file,
// under the lock QSettings uses, editing only those lines. A line that
// QSettings cannot parse is kept as it is and stops neither side.
class HandOverFile {
public:
    // profileLock: the profile's own lock, lent for this object's life.
    HandOverFile(std::string profilePath, CrossProcessLock& profileLock);

    // One snapshot of the values; nothing when the file cannot be read.
    std::optional<HandOverValues> Read() const;

    enum class Take { NothingWaiting, Busy, Taken, Failed };
    struct Taking {
        Take result = Take::NothingWaiting;
        HandOverValues link;
    };
    // The program's side, never waiting on the lock: when a link waits, hands
    // it to keep while the lock is held and, once keep returned true, resets
    // the flag durably. Busy: another process holds the lock.
    Taking TakeLink(const std::function<bool(const HandOverValues&)>& keep);

private:
    std::string m_path;
    CrossProcessLock& m_lock;
};

} // namespace quill
