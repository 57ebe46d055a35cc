#include "core/integration/HostManifest.h"
#include "core/integration/HostManifestFiles.h"
#include "core/integration/JsonText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iterator>

namespace quill {
namespace {

namespace fs = std::filesystem;

int Entries(const std::string& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(HostManifest, NamesTheHostItsPathAndOnlyTheCompanionExtensionInTheUsersFolders) {
    const std::string path = "/opt/quill \"mark\"\\bin/quillmark-link-host";
    const std::pair<BrowserFamily, std::string> allowed[] = {
        {BrowserFamily::Chromium, R"("allowed_origins": ["chrome-extension://)" +
                                      std::string(kChromiumExtensionId) + "/\"]"},
        {BrowserFamily::Firefox,
         R"("allowed_extensions": [")" + std::string(kFirefoxExtensionId) + "\"]"}};
    for (const auto& [family, only] : allowed) {
        const std::string manifest = HostManifestText(family, path);
        const std::string members[] = {R"("name": "quillmark.link_host")", R"("type": "stdio")",
                                       "\"path\": " + JsonQuote(path)};
        for (const std::string& member : members) {
            EXPECT_NE(manifest.find(member), std::string::npos) << manifest;
        }
        EXPECT_NE(manifest.find(only), std::string::npos) << manifest;
        EXPECT_EQ(manifest.find("allowed_"), manifest.rfind("allowed_")) << manifest;
    }
    // Folders follow home and only an absolute XDG_CONFIG_HOME. Each case: home,
    // XDG_CONFIG_HOME, the Chromium folders' parent, Firefox's folder.
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
    }
}

TEST(HostManifestFiles, OnWritesAManifestPerBrowserThereOffRemovesExactlyThem) {
    test::TempFolder home;
    auto folders = LinuxManifestFolders(home.Path().string(), "");
    HostManifestFiles entry(folders, "/usr/bin/quillmark-link-host");
    entry.Apply(true);
    EXPECT_EQ(Entries(home.Path().string()), 0); // no browser: no folder made
    fs::create_directories(home.Path() / ".config/chromium");
    entry.Apply(true);
    EXPECT_TRUE(fs::exists(entry.ManifestPaths()[0]));
    EXPECT_FALSE(fs::exists(home.Path() / ".config/google-chrome") ||
                 fs::exists(home.Path() / ".mozilla"));

    fs::create_directories(home.Path() / ".config/google-chrome");
    fs::create_directories(home.Path() / ".mozilla/native-messaging-hosts");
    home.Write(".mozilla/native-messaging-hosts/other.host.json", "{}");
    entry.Apply(true);
    const std::string unchanged = entry.ManifestPaths()[1];
    const auto marked = fs::last_write_time(unchanged) - std::chrono::hours(1);
    fs::last_write_time(unchanged, marked);
    home.Write(".config/chromium/NativeMessagingHosts/quillmark.link_host.json", "{stale}");
    entry.Apply(true); // again: a stale one rewritten, the same ones left alone
    EXPECT_EQ(fs::last_write_time(unchanged), marked);
    for (const auto& folder : folders) {
        std::string file = folder.folder + "/quillmark.link_host.json";
        EXPECT_EQ(home.Read(fs::relative(file, home.Path()).string()),
                  HostManifestText(folder.family, "/usr/bin/quillmark-link-host"));
        EXPECT_EQ(Entries(folder.folder), folder.family == BrowserFamily::Firefox ? 2 : 1);
    }
    entry.Apply(false);
    entry.Apply(false); // nothing left to remove: no harm
    for (const auto& path : entry.ManifestPaths()) {
        EXPECT_FALSE(fs::exists(path)) << path;
    }
    EXPECT_TRUE(home.Read(".mozilla/native-messaging-hosts/other.host.json") == "{}" &&
                fs::is_directory(folders[0].folder));
}

} // namespace
} // namespace quill
