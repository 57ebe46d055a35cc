#pragma once

#include "core/lists/ListStore.h"
#include "core/settings/BrowserMenuEntry.h"
#include "core/settings/FrameSettings.h"

#include <string>

namespace quill {

// What the program needs from outside while it starts.
struct StartEnvironment {
    Profile& profile;
    BrowserMenuEntry& menuEntry;
    std::string workingFolder;
};

struct StartReport {
    FrameSettings settings;
    ListsLoadReport lists;
};

// Reads the settings, resolves the file paths, applies the browser menu entry
// and loads both lists into the store, in that order.
StartReport StartProgram(StartEnvironment& environment, ListStore& store);

} // namespace quill
