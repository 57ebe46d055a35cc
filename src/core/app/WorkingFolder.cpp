#include "app/WorkingFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quill {

std::string UserWorkingFolder(std::string_view home, std::string_view xdgDataHome) {
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    fs::path base = (!xdgDataHome.empty() && xdgDataHome.front() == '/')
                        ? fs::path(xdgDataHome)
                        : fs::path(home) / ".local" / "share";
    return (base / "Quillmark").lexically_normal().string();
}

bool HoldsDataFolder(const std::string& folder) {
    std::error_code error;
    return fs::is_directory(fs::path(folder) / "Data", error);
}

std::string FindShippedData(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (!candidate.empty() && fs::is_regular_file(fs::path(candidate) / "2.css", error)) {
            return candidate;
        }
    }
    return {};
}

PreparedFolder PrepareWorkingFolder(const std::string& folder, const std::string& shippedData) {
    const fs::path data = fs::path(folder) / "Data";
    std::error_code error;
    fs::create_directories(data, error);
    if (!fs::is_directory(data, error)) {
        return {false, data.string()};
    }
    if (shippedData.empty()) {
        return {true, {}};
    }
    std::error_code listing;
    for (fs::directory_iterator it(shippedData, listing), end; !listing && it != end;
         it.increment(listing)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        const fs::path target = data / it->path().filename();
        if (fs::exists(fs::symlink_status(target, error))) {
            continue;
        }
        if (!fs::copy_file(it->path(), target, error)) {
            return {false, target.string()};
        }
    }
    if (listing) {
        return {false, shippedData};
    }
    return {true, {}};
}

} // namespace quill
