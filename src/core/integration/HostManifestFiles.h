#pragma once

#include "core/integration/HostManifest.h"
#include "core/settings/BrowserMenuEntry.h"

#include <string>
#include <vector>

namespace quill {

// The browser menu entry where browsers reach the program through the
// companion extension: integration on writes the link host's manifest for
// each browser whose configuration folder exists, off removes exactly those
// files (the folders stay).
// Failures are silent, as for every other integration step.
class HostManifestFiles : public BrowserMenuEntry {
public:
    HostManifestFiles(std::vector<ManifestFolder> folders, std::string hostPath);

    void Apply(bool integrate) override;

    std::vector<std::string> ManifestPaths() const;
    const std::vector<ManifestFolder>& Folders() const { return m_folders; }

private:
    std::vector<ManifestFolder> m_folders;
    std::string m_hostPath;
};

} // namespace quill
