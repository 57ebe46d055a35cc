#pragma once

#include <string>

namespace quill {

// What a page command did, for the view that ran it.
struct CommandOutcome {
    // The clicked text named one of the page's commands. The view then writes
    // its page again and shows it, whether or not the dialog was confirmed.
    bool recognised = false;
    // Full path of a data file that could not be written, empty when none.
    // The change stays in memory; the user should hear that it is not on disk.
    std::string unsavedFile;
};

} // namespace quill
