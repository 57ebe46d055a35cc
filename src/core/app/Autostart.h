#pragma once

#include <string>
#include <string_view>

namespace quill {

// $XDG_CONFIG_HOME/autostart/quillmark.desktop (~/.config when it is unset or
// relative): the desktop starts what this folder lists at login.
std::string AutostartFilePath(std::string_view home, std::string_view xdgConfigHome);

// The autostart entry that starts program in workingFolder, hidden: in the
// tray, or minimised where the desktop has none. An empty
// workingFolder leaves the choice to the program (the user's data folder).
std::string AutostartEntryText(std::string_view program, std::string_view workingFolder);

// Writes (on) or removes (off) the autostart entry, making its folder when
// needed. True when the file is as asked afterwards.
bool SetAutostart(const std::string& path, bool on, std::string_view entryText);

bool IsAutostartOn(const std::string& path);

} // namespace quill
