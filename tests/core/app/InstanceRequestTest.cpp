#include "core/app/InstanceRequest.h"

#include "core/app/PrivateFolder.h"
#include "core/app/StartupNotification.h"
#include "support/TempFolder.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(InstanceRequest, ServerNameIsOnePerUserAndDisplay) {
    for (const auto& [runtime, user, display, name] : std::vector<std::array<const char*, 4>>{
             {"/run/user/1000/", "1000", ":0", "/run/user/1000/quillmark-1000-_0"},
             {"/run/user/1000", "1000", ":0.1", "/run/user/1000/quillmark-1000-_0"},
             {"/", "1000", ":0", "/quillmark-1000-_0"},
             {"", "1000", "localhost:10.0", "quillmark-1000-localhost_10"},
             {"", "1000", "host.lan:0", "quillmark-1000-host_lan_0"},
             {"relative", "1001", "wayland-0", "quillmark-1001-wayland_0"},
             {"", "1000", "../../x", "quillmark-1000-______x"}}) {
        EXPECT_EQ(InstanceServerName(runtime, user, display), name) << display;
    }
}

// Without a private runtime folder the socket and lock go to a folder only the
// user can enter; a name another user took first is never used.
TEST(InstanceRequest, SocketFolderIsPrivateToTheUserOrRefused) {
    namespace fs = std::filesystem;
    test::TempFolder tmp;
    const unsigned me = ::getuid();
    const std::string mine = tmp.File("quillmark-" + std::to_string(me));
    fs::create_directory(tmp.Path() / "runtime");
    fs::permissions(tmp.Path() / "runtime", fs::perms(0755));
    // A runtime folder others can enter (another user's passed on by su) is not used.
    EXPECT_EQ(InstanceFolder(tmp.File("runtime"), tmp.Path().string(), "", me), mine);
    EXPECT_EQ(fs::status(mine).permissions(), fs::perms(0700));
    fs::permissions(tmp.Path() / "runtime", fs::perms(0700));
    EXPECT_EQ(InstanceFolder(tmp.File("runtime"), "", "", me), tmp.File("runtime"));
    // The user's own folder with a loose mode is closed again.
    fs::permissions(mine, fs::perms(0777));
    EXPECT_TRUE(MakePrivateFolder(mine, me));
    EXPECT_EQ(fs::status(mine).permissions(), fs::perms(0700));
    // A link, a file, or a folder another user made first are refused.
    fs::create_directory_symlink(tmp.Path() / "runtime", tmp.Path() / "link");
    tmp.Write("file", "");
    for (const char* name : {"link", "file"}) {
        EXPECT_FALSE(MakePrivateFolder(tmp.File(name), me)) << name;
    }
    EXPECT_FALSE(MakePrivateFolder(tmp.File("runtime"), me + 1));
    EXPECT_TRUE(OwnedByOtherUser(tmp.File("runtime"), me + 1) &&
                !OwnedByOtherUser(tmp.File("runtime"), me));
    fs::create_directory(tmp.Path() / "squat");
    EXPECT_EQ(InstanceFolder("", tmp.File("squat"), tmp.File("cache"), me + 1), std::nullopt);
}

// The launcher's tokens travel with the request, whatever bytes they hold; a
// bare word from an earlier version still reads.
TEST(InstanceRequest, TravelsAsOneLineWithTheLaunchersTokens) {
    for (const InstanceMessage& message :
         {InstanceMessage{InstanceRequest::Hide}, InstanceMessage{InstanceRequest::Toggle, "x"},
          InstanceMessage{InstanceRequest::Show, "xfce4-panel-12-host_TIME987", "a b%c\n\x01"},
          InstanceMessage{InstanceRequest::Show, "", "token"}}) {
        const std::string line = FormatInstanceMessage(message);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(ParseInstanceMessage(line), message) << line;
    }
    EXPECT_EQ(FormatInstanceMessage({InstanceRequest::Show, std::string(5000, 'x')}), "show");
    EXPECT_EQ(ParseInstanceMessage("toggle"), InstanceMessage{InstanceRequest::Toggle});
    EXPECT_EQ(ParseInstanceMessage("show later-field=1 startup-id=a%20b"),
              (InstanceMessage{InstanceRequest::Show, "a b"}));
    for (const char* line : {"", "Show", "--show", "show startup-id=%2", "show startup-id=%zz"}) {
        EXPECT_EQ(ParseInstanceMessage(line), std::nullopt) << line;
    }
    // The token's time, and the message that ends the launcher's feedback.
    EXPECT_EQ(StartupIdTime("xfce4-panel-1234-host-quillmark_TIME2865001"), 2865001u);
    for (const char* id : {"", "plain-id", "a_TIME", "a_TIME12x", "a_TIME99999999999"}) {
        EXPECT_EQ(StartupIdTime(id), std::nullopt) << id;
    }
    EXPECT_EQ(StartupRemoveMessage("id_TIME5"), "remove: ID=id_TIME5");
    EXPECT_EQ(StartupRemoveMessage(R"(a b"c\d)"), R"(remove: ID="a b\"c\\d")");
}

} // namespace
} // namespace quill
