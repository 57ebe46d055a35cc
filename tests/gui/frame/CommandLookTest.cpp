#include "gui/frame/CommandLook.h"
#include "core/frame/CommandTable.h"
#include "core/frame/ToolbarLayout.h"
#include "core/settings/Transparency.h"

#include <gtest/gtest.h>
#include <set>

// A command without a look has no keys, check mark or picture.
TEST(CommandLook, EveryCommandHasOneLookAndNoKeyServesTwo) {
    std::multiset<int> commands, looks;
    for (const quill::FrameCommand& command : quill::CommandTable()) {
        commands.insert(command.id);
    }
    for (const quill::LevelCommand& level : quill::LevelCommands()) {
        commands.insert(level.id);
    }
    std::set<QKeySequence> keys;
    for (const CommandLook& look : CommandLooks()) {
        looks.insert(look.id);
        for (const QKeySequence& key : look.shortcuts) {
            EXPECT_TRUE(keys.insert(key).second) << key.toString().toStdString();
        }
    }
    EXPECT_EQ(looks, commands);
    for (int id : quill::ToolbarCommands()) {
        EXPECT_NE(LookOf(id).picture, nullptr) << id; // shown before the theme's icons
    }
}
