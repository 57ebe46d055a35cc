#include "frame/TrayFallback.h"

#include <gtest/gtest.h>

namespace {

using quill::TrayFallback;
using Hidden = TrayFallback::HiddenWindow;

// A desktop without a tray, one coming later (a panel started after the
// program), and one restarting: the window follows each change once, and how
// to get a tray is said only when there is none at start, and only once ever.
TEST(TrayFallback, FollowsTheNotificationAreaAndTellsOnce) {
    TrayFallback fallback;
    auto none = fallback.Update(false);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->trayMode);
    EXPECT_EQ(none->hiddenWindow, Hidden::Minimise);
    EXPECT_TRUE(none->tellHowToGetATray);
    EXPECT_FALSE(fallback.Update(false)); // polled again: nothing changed

    auto tray = fallback.Update(true);
    ASSERT_TRUE(tray);
    EXPECT_TRUE(tray->trayMode);
    EXPECT_EQ(tray->hiddenWindow, Hidden::Unmap);
    EXPECT_FALSE(tray->tellHowToGetATray);

    auto restarting = fallback.Update(false);
    ASSERT_TRUE(restarting);
    EXPECT_EQ(restarting->hiddenWindow, Hidden::Minimise);
    EXPECT_FALSE(restarting->tellHowToGetATray);

    EXPECT_FALSE(TrayFallback(true).Update(false)->tellHowToGetATray);
    TrayFallback atStart;
    EXPECT_TRUE(atStart.Update(true)->trayMode);
    EXPECT_FALSE(atStart.Update(false)->tellHowToGetATray); // a panel restarting
}

} // namespace
