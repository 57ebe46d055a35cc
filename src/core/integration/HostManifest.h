#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The link host as the browsers know it.
inline constexpr std::string_view kLinkHostName = "quillmark.link_host";
inline constexpr std::string_view kLinkHostProgram = "quillmark-link-host";
// The companion extension's ids: Chromium derives its id from the public key in
// the extension's manifest; Firefox takes the id the manifest declares.
inline constexpr std::string_view kChromiumExtensionId = "jmdaacgkecanpacdleajboiehebghacp";
inline constexpr std::string_view kFirefoxExtensionId = "add-link@quillmark";

enum class BrowserFamily { Chromium, Firefox };

// The host manifest for one browser family; hostPath is the program's absolute path.
std::string HostManifestText(BrowserFamily family, std::string_view hostPath);

// "quillmark.link_host.json": the name every browser looks the host up by.
std::string HostManifestFileName();

struct ManifestFolder {
    std::string folder;
    BrowserFamily family;
    // The browser's own configuration folder: a manifest goes in only where
    // it exists, so no folder is made for a browser the user does not have.
    // Empty where the folder is the program's own to make.
    std::string browserFolder;
};

// The per-user manifest folders of Chromium, Google Chrome and Firefox on
// Linux. xdgConfigHome may be empty (then ~/.config); home must not be.
std::vector<ManifestFolder> LinuxManifestFolders(std::string_view home,
                                                 std::string_view xdgConfigHome);

} // namespace quill
