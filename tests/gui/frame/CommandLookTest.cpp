#include "frame/CommandLook.h"
#include "frame/CommandTable.h"
#include "frame/ToolbarLayout.h"
#include "settings/Transparency.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// A command without a look comes up with no shortcut, check mark or picture;
// a look twice, one left by a removed command or a key on two commands is a
// slip of the same kind.
TEST(CommandLook, EveryCommandHasOneLookAndNoKeyServesTwo) {
    std::multiset<int> commands;
    for (const quill::FrameCommand& command : quill::CommandTable()) {
        commands.insert(command.id);
    }
    for (const quill::LevelCommand& level : quill::LevelCommands()) {
        commands.insert(level.id);
    }
    std::multiset<int> looks;
    std::set<QKeySequence> keys;
    for (const CommandLook& look : CommandLooks()) {
        looks.insert(look.id);
        for (const QKeySequence& key : look.shortcuts) {
            EXPECT_TRUE(keys.insert(key).second) << key.toString().toStdString();
        }
    }
    EXPECT_EQ(looks, commands);
    // A button shows its drawn picture until the theme's icons are looked up.
    for (int id : quill::ToolbarCommands()) {
        EXPECT_NE(LookOf(id).picture, nullptr) << id;
    }
}

} // namespace
