#include "integration/NewLinkPickup.h"

#include "files/IniKeys.h"
#include "files/LockFile.h"
#include "integration/HandOverFile.h"
#include "integration/PickupRetry.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace quill {
namespace {

namespace fs = std::filesystem;

// What QSettings leaves, plus a line it cannot parse, which must survive.
constexpr std::string_view kGarbage = "garbage line without equals\n";

std::string Profile(std::string_view flag) {
    return "[Settings]\nPercent=40\n" + std::string(kGarbage) +
           "\n[Status]\nnew_link=" + std::string(flag) +
           "\nnew_link_href=\"<a href=\\\"https://a/\\\">A, b</a>\"\nnew_link_text=A\n";
}

TEST(NewLinkPickup, OnlyExactlyTrueIsAHandoverDeliveredOnceKeepingOtherLines) {
    test::TempFolder folder;
    HandOverFile slot(folder.File("q.conf"));
    auto never = [](auto, auto) { FAIL(); };
    EXPECT_EQ(PollNewLink(slot, never), PickupResult::NothingWaiting); // no profile yet
    for (const char* flag : {"TRUE", "True", "yes", "", "\"true \"", "1"}) {
        folder.Write("q.conf", Profile(flag));
        EXPECT_EQ(PollNewLink(slot, never), PickupResult::NothingWaiting) << flag;
        EXPECT_EQ(folder.Read("q.conf"), Profile(flag));
    }
    folder.Write("q.conf", Profile("true"));
    int handovers = 0;
    auto handOver = [&](const std::string& href, const std::string& text) {
        ++handovers;
        EXPECT_EQ(ReadIniValue(folder.Read("q.conf"), "Status", "new_link"), "false");
        EXPECT_EQ(href + "/" + text, "<a href=\"https://a/\">A, b</a>/A");
    };
    EXPECT_EQ(PollNewLink(slot, handOver), PickupResult::Delivered);
    EXPECT_EQ(PollNewLink(slot, handOver), PickupResult::NothingWaiting);
    EXPECT_EQ(handovers, 1);
    std::string expected = Profile("true");
    expected.replace(expected.find("new_link=true"), 13, "new_link=\"false\"");
    EXPECT_EQ(folder.Read("q.conf"), expected);
    EXPECT_EQ(folder.Listing(), "q.conf\n");
}

TEST(NewLinkPickup, LiveLockIsWaitedOutOnLaterTicksAndADeadOneIsRecoveredAtOnce) {
    test::TempFolder folder;
    folder.Write("q.conf", Profile("true"));
    HandOverFile slot(folder.File("q.conf"));
    {
        LockFile other(folder.File("q.conf.lock"));
        ASSERT_EQ(other.TryTake(), LockFile::Attempt::Taken);
        EXPECT_EQ(PollNewLink(slot, [](auto, auto) { FAIL(); }), PickupResult::Busy);
        folder.Write("q.conf", Profile("false")); // nothing waits: the lock is not needed
        EXPECT_EQ(PollNewLink(slot, [](auto, auto) { FAIL(); }), PickupResult::NothingWaiting);
    }
    folder.Write("q.conf", Profile("true"));
    EXPECT_EQ(PollNewLink(slot, [](auto, auto) {}), PickupResult::Delivered);

    // Just made by a QLockFile that has not locked it yet: still live.
    folder.Write("q.conf", Profile("true"));
    folder.Write("q.conf.lock", "");
    EXPECT_EQ(PollNewLink(slot, [](auto, auto) { FAIL(); }), PickupResult::Busy);

    // Left by a process that is gone: empty for a second, or naming it.
    for (std::string left : {"", "999999999\nhost\nvm\n"}) {
        folder.Write("q.conf", Profile("true"));
        folder.Write("q.conf.lock", left);
        fs::last_write_time(folder.Path() / "q.conf.lock",
                            fs::file_time_type::clock::now() - std::chrono::seconds(1));
        EXPECT_EQ(PollNewLink(slot, [](auto, auto) {}), PickupResult::Delivered) << left;
        EXPECT_FALSE(fs::exists(folder.Path() / "q.conf.lock"));
    }
}

TEST(NewLinkPickup, ProfileThatCannotBeWrittenDeliversNothingAndKeepsTheLink) {
    test::TempFolder folder;
    folder.Write("q.conf", Profile("true"));
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    EXPECT_TRUE(test::RunUnprivileged(folder.Path(), [&] {
        HandOverFile slot("q.conf");
        bool ok = true;
        auto tick = [&] { return PollNewLink(slot, [&](auto, auto) { ok = false; }); };
        return tick() == PickupResult::ResetFailed && tick() == PickupResult::ResetFailed && ok;
    }));
    EXPECT_EQ(folder.Read("q.conf"), Profile("true"));
}

TEST(PickupRetry, LooksAgainSoonThenLessOftenAndStopsOnceTheLinkIsTaken) {
    PickupRetry retry;
    EXPECT_EQ(retry.After(PickupResult::NothingWaiting), 0);
    std::vector<int> delays;
    for (int i = 0; i < 12; ++i) {
        delays.push_back(retry.After(PickupResult::ResetFailed));
    }
    EXPECT_EQ(delays,
              (std::vector<int>{10, 20, 40, 80, 160, 320, 640, 1280, 2560, 3000, 3000, 3000}));
    EXPECT_EQ(retry.After(PickupResult::Delivered), 0);
    EXPECT_EQ(retry.After(PickupResult::ResetFailed), 10); // a new wait starts soon again
}

} // namespace
} // namespace quill
