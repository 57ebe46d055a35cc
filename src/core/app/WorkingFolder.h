#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// "Quillmark" under the user's data folder: $XDG_DATA_HOME when it is an
// absolute path, otherwise ~/.local/share.
std::string UserWorkingFolder(std::string_view home, std::string_view xdgDataHome);

// A folder that holds "Data" (the source tree's run folder, a portable copy)
// is used as it is; anywhere else the program works in the user's folder.
bool HoldsDataFolder(const std::string& folder);

// The first of the candidates that holds the shipped page files ("2.css"), or
// an empty text when none does.
std::string FindShippedData(const std::vector<std::string>& candidates);

struct PreparedFolder {
    bool ok = false;
    std::string failedPath; // the folder or file that could not be made
};

// Makes folder/Data and copies into it each shipped page file that is missing
// there. Files already in place (the user's lists, edited style sheets) are
// never overwritten; only a style sheet exactly as an earlier version shipped
// it is brought up to date. An empty shippedData copies nothing.
PreparedFolder PrepareWorkingFolder(const std::string& folder, const std::string& shippedData);

} // namespace quill
