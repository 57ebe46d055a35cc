#include "core/frame/TrayFallback.h"

#include <gtest/gtest.h>

// The window follows each change of the notification area once; how to get a
// tray is said only when there is none at start, and once ever: a tray going
// away later (a panel restarting) says nothing.
TEST(TrayFallback, FollowsTheNotificationAreaAndTellsOnlyWhenThereIsNoneAtStart) {
    quill::TrayFallback none;
    EXPECT_TRUE(none.Update(false)->tellHowToGetATray);
    EXPECT_FALSE(none.Update(false)); // polled again: nothing changed
    EXPECT_TRUE(none.Update(true)->trayMode);
    EXPECT_FALSE(none.Update(false)->tellHowToGetATray);
    quill::TrayFallback tray;
    EXPECT_TRUE(tray.Update(true)->trayMode);
    EXPECT_FALSE(tray.Update(false)->tellHowToGetATray);
    EXPECT_FALSE(quill::TrayFallback(true).Update(false)->tellHowToGetATray);
}

// The item alone shows where a host and an embedding tray both exist.
TEST(TrayFallback, TheItemWinsOverAnEmbeddedIcon) {
    EXPECT_EQ(quill::LiveTrayPath(true, true), quill::TrayPath::StatusNotifier);
    EXPECT_EQ(quill::LiveTrayPath(false, true), quill::TrayPath::Embedded);
    EXPECT_EQ(quill::LiveTrayPath(false, false), quill::TrayPath::None);
}
