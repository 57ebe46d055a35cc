#include "core/integration/HostManifest.h"

#include "core/integration/JsonText.h"

namespace quill {

std::string HostManifestText(BrowserFamily family, std::string_view hostPath) {
    std::string allowed;
    if (family == BrowserFamily::Chromium) {
        allowed = "  \"allowed_origins\": [" +
                  JsonQuote("chrome-extension://" + std::string(kChromiumExtensionId) + "/") +
                  "]\n";
    } else {
        allowed = "  \"allowed_extensions\": [" + JsonQuote(kFirefoxExtensionId) + "]\n";
    }
    return "{\n"
           "  \"name\": " +
           JsonQuote(kLinkHostName) +
           ",\n"
           "  \"description\": \"Hands links picked in the browser over to Quillmark\",\n"
           "  \"path\": " +
           JsonQuote(hostPath) +
           ",\n"
           "  \"type\": \"stdio\",\n" +
           allowed + "}\n";
}

std::string HostManifestFileName() {
    return std::string(kLinkHostName) + ".json";
}

std::vector<ManifestFolder> LinuxManifestFolders(std::string_view home,
                                                 std::string_view xdgConfigHome) {
    std::string homeFolder(home);
    // "/" as home becomes "", so paths under it do not start with "//".
    while (!homeFolder.empty() && homeFolder.back() == '/') {
        homeFolder.pop_back();
    }
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the browsers do.
    std::string config = (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
                             ? std::string(xdgConfigHome)
                             : homeFolder + "/.config";
    while (!config.empty() && config.back() == '/') {
        config.pop_back();
    }
    return {
        {config + "/chromium/NativeMessagingHosts", BrowserFamily::Chromium, config + "/chromium"},
        {config + "/google-chrome/NativeMessagingHosts", BrowserFamily::Chromium,
         config + "/google-chrome"},
        {homeFolder + "/.mozilla/native-messaging-hosts", BrowserFamily::Firefox,
         homeFolder + "/.mozilla"},
    };
}

} // namespace quill
