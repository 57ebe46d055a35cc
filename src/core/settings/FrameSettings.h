#pragma once

#include "core/settings/Profile.h"

namespace quill {

// The settings the frame keeps for the whole run and stores when it goes.
struct FrameSettings {
    bool integrate = true;
    bool trackMouse = true;
    int transparency = 80;
    bool firstRun = false; // "IsOpened" was not exactly "true" at start

    bool operator==(const FrameSettings&) const = default;
};

// Reads the settings; on the first run tracking is on whatever is stored.
FrameSettings ReadFrameSettings(const Profile& profile);

// Writes "Percent", "IsOpened", "Integrate" and "Track mouse", in that order.
// False when any of them could not be stored.
bool StoreFrameSettings(const FrameSettings& settings, Profile& profile);

// Stores the level of a level command; false for any other command.
bool ApplyLevelCommand(FrameSettings& settings, int commandId);

} // namespace quill
