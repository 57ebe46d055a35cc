#include "core/integration/HostManifestFiles.h"

#include "core/files/SafeFile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quill {

HostManifestFiles::HostManifestFiles(std::vector<ManifestFolder> folders, std::string hostPath)
    : m_folders(std::move(folders)), m_hostPath(std::move(hostPath)) {}

std::vector<std::string> HostManifestFiles::ManifestPaths() const {
    std::vector<std::string> paths;
    for (const auto& folder : m_folders) {
        paths.push_back((fs::path(folder.folder) / HostManifestFileName()).string());
    }
    return paths;
}

void HostManifestFiles::Apply(bool integrate) {
    for (const auto& folder : m_folders) {
        fs::path file = fs::path(folder.folder) / HostManifestFileName();
        std::error_code ignored;
        if (integrate) {
            if (!folder.browserFolder.empty() && !fs::is_directory(folder.browserFolder, ignored)) {
                continue;
            }
            const std::string text = HostManifestText(folder.family, m_hostPath);
            const FileContents present = ReadWholeFile(file.string());
            // Checked at every start: an unchanged manifest costs no write and
            // no flush to disk before the window shows.
            if (present.status == ReadStatus::Ok && present.bytes == text) {
                continue;
            }
            fs::create_directories(folder.folder, ignored);
            ReplaceFileContents(file.string(), text);
        } else {
            fs::remove(file, ignored);
        }
    }
}

} // namespace quill
