#include "core/frame/StatusMenuLayout.h"

#include <gtest/gtest.h>

using quill::StatusMenuEntry;

// Entries are numbered through the tree, carry the host's names for their
// state, and a changed check mark raises the revision, an unchanged menu not.
TEST(StatusMenuLayout, NumbersEntriesAndRaisesTheRevisionOnChange) {
    EXPECT_EQ(quill::StatusMenuLabel("E&xit a_b &&c &"), "E_xit a__b &c ");
    auto item = [](const char* text, StatusMenuEntry::Toggle toggle, bool checked) {
        StatusMenuEntry entry;
        entry.text = text;
        entry.toggle = toggle;
        entry.checked = checked;
        return entry;
    };
    using enum StatusMenuEntry::Toggle;
    StatusMenuEntry levels = item("Set &transparence", None, false);
    levels.children = {item("&80%", Radio, true), item("&40%", Radio, false)};
    StatusMenuEntry separator;
    separator.separator = true;
    StatusMenuEntry root;
    root.children = {levels, separator, item("Start at login", CheckMark, false)};
    root.children[2].enabled = false;
    root.children[0].children[1].visible = false;
    quill::StatusMenuLayout layout;
    EXPECT_FALSE(layout.Update(root)); // the first reading is revision 1
    EXPECT_EQ(layout.ChildIds(0), (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(layout.ChildIds(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(layout.Entry(3)->text, "&40%");
    EXPECT_EQ(layout.Entry(6), nullptr);
    using P = std::vector<quill::StatusMenuProperty>;
    EXPECT_EQ(quill::StatusMenuProperties(*layout.Entry(1)),
              (P{{"label", "Set _transparence"}, {"children-display", "submenu"}}));
    EXPECT_EQ(quill::StatusMenuProperties(*layout.Entry(2)),
              (P{{"label", "_80%"}, {"toggle-type", "radio"}, {"toggle-state", 1}}));
    EXPECT_EQ(
        quill::StatusMenuProperties(*layout.Entry(3)),
        (P{{"label", "_40%"}, {"visible", false}, {"toggle-type", "radio"}, {"toggle-state", 0}}));
    EXPECT_EQ(quill::StatusMenuProperties(*layout.Entry(4)), (P{{"type", "separator"}}));
    EXPECT_EQ(quill::StatusMenuProperties(*layout.Entry(5)), (P{{"label", "Start at login"},
                                                                {"enabled", false},
                                                                {"toggle-type", "checkmark"},
                                                                {"toggle-state", 0}}));
    EXPECT_FALSE(layout.Update(root));
    root.children[2].checked = true;
    root.children[2].enabled = true;
    EXPECT_TRUE(layout.Update(root));
    EXPECT_EQ(layout.Revision(), 2u);
    EXPECT_EQ(layout.ChangedIds(), std::vector<int>{5}); // said with "enabled" back at true
    EXPECT_EQ(quill::StatusMenuProperties(*layout.Entry(5), true)[1],
              (P::value_type{"enabled", true}));
    root.children.pop_back();
    EXPECT_TRUE(layout.Update(root));
    EXPECT_TRUE(layout.ChangedIds().empty()); // a new shape is read whole
}
