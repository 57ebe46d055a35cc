#include "integration/HostManifest.h"
#include "integration/HostManifestFiles.h"
#include "integration/JsonText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quill {
namespace {

namespace fs = std::filesystem;

// The value of a top-level string member of a manifest, read back as JSON.
std::optional<std::string> Member(const std::string& manifest, const std::string& name) {
    std::size_t pos = manifest.find(JsonQuote(name) + ": ");
    if (pos == std::string::npos) {
        return std::nullopt;
    }
    pos += name.size() + 4;
    return ReadJsonString(manifest, pos);
}

TEST(HostManifest, NamesTheHostItsPathAndOnlyTheCompanionExtension) {
    const std::string path = "/opt/quill \"mark\"\\bin/quillmark-link-host";
    const std::pair<BrowserFamily, std::string> allowed[] = {
        {BrowserFamily::Chromium, R"("allowed_origins": ["chrome-extension://)" +
                                      std::string(kChromiumExtensionId) + "/\"]"},
        {BrowserFamily::Firefox,
         R"("allowed_extensions": [")" + std::string(kFirefoxExtensionId) + "\"]"}};
    for (const auto& [family, only] : allowed) {
        const std::string manifest = HostManifestText(family, path);
        EXPECT_EQ(Member(manifest, "name"), "quillmark.link_host");
        EXPECT_EQ(Member(manifest, "path"), path);
        EXPECT_EQ(Member(manifest, "type"), "stdio");
        EXPECT_NE(manifest.find(only), std::string::npos) << manifest;
        EXPECT_EQ(manifest.find("allowed_"), manifest.rfind("allowed_")) << manifest;
    }
}

TEST(HostManifest, LinuxFoldersFollowHomeAndOnlyAnAbsoluteXdgConfigHome) {
    // home, XDG_CONFIG_HOME, the Chromium folders' parent, Firefox's folder
    const std::tuple<const char*, const char*, std::string, std::string> cases[] = {
        {"/home/u/", "", "/home/u/.config/", "/home/u/.mozilla/"},
        {"/home/u", "conf", "/home/u/.config/", "/home/u/.mozilla/"},
        {"/home/u//", "/tmp/conf//", "/tmp/conf/", "/home/u/.mozilla/"},
        {"/", "/", "/", "/.mozilla/"}};
    for (const auto& [home, xdg, config, mozilla] : cases) {
        auto folders = LinuxManifestFolders(home, xdg);
        ASSERT_EQ(folders.size(), 3u);
        EXPECT_EQ(folders[0].folder, config + "chromium/NativeMessagingHosts");
        EXPECT_EQ(folders[1].folder, config + "google-chrome/NativeMessagingHosts");
        EXPECT_EQ(folders[2].folder, mozilla + "native-messaging-hosts");
        EXPECT_EQ(folders[1].family, BrowserFamily::Chromium);
        EXPECT_EQ(folders[2].family, BrowserFamily::Firefox);
    }
}

TEST(HostManifestFiles, OnWritesEveryManifestOffRemovesExactlyThem) {
    test::TempFolder home;
    const auto folders = LinuxManifestFolders(home.Path().string(), "");
    HostManifestFiles entry(folders, "/usr/bin/quillmark-link-host");
    const std::string other = folders[2].folder + "/other.host.json";
    fs::create_directories(folders[2].folder);
    std::ofstream(other) << "{}";

    entry.Apply(true, "res://ignored");
    entry.Apply(true, "res://ignored"); // again: no temporary leftovers
    for (const auto& folder : folders) {
        std::ifstream in(folder.folder + "/quillmark.link_host.json");
        std::string text(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(text, HostManifestText(folder.family, "/usr/bin/quillmark-link-host"));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.folder), {}),
                  folder.family == BrowserFamily::Firefox ? 2 : 1);
    }

    entry.Apply(false, "res://ignored");
    EXPECT_TRUE(fs::is_empty(folders[0].folder));
    EXPECT_TRUE(fs::is_empty(folders[1].folder));
    EXPECT_EQ(fs::directory_iterator(folders[2].folder)->path(), other);
}

} // namespace
} // namespace quill
