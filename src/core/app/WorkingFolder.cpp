#include "core/app/WorkingFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace quill {

namespace {

// The style sheets earlier versions shipped, by the FNV-1a hash of their
// bytes. A file equal to one of them was never edited: the shipped one, which
// knows dark desktops, may take its place.
constexpr std::uint64_t kEarlierStyleSheets[] = {0xd5c6e8379eac1889, 0x43c2384d072073d0};

bool IsEarlierStyleSheet(const fs::path& file) {
    std::error_code error;
    if (file.filename() != "2.css" || fs::file_size(file, error) > 4096 || error) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::uint64_t hash = 0xcbf29ce484222325;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        hash = (hash ^ static_cast<unsigned char>(*it)) * 0x100000001b3;
    }
    for (std::uint64_t earlier : kEarlierStyleSheets) {
        if (hash == earlier) {
            return true;
        }
    }
    return false;
}

} // namespace

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
        const fs::file_status present = fs::symlink_status(target, error);
        if (fs::exists(present)) {
            // An unedited earlier style sheet is brought up to date; where it
            // cannot be replaced, it still serves.
            if (fs::is_regular_file(present) && IsEarlierStyleSheet(target)) {
                fs::copy_file(it->path(), target, fs::copy_options::overwrite_existing, error);
            }
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
