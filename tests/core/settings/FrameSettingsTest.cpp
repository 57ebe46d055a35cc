#include "settings/FrameSettings.h"

#include "support/FakeProfile.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace quill {
namespace {

auto Fields(const FrameSettings& s) {
    return std::tuple(s.integrate, s.trackMouse, s.transparency, s.firstRun);
}

TEST(FrameSettings, ProfileValuesAreReadWithTheirDefaultsAndFirstRunRules) {
    const std::pair<std::map<std::string, test::FakeProfile::Value>, FrameSettings> cases[] = {
        {{}, {true, true, 80, true}},
        {{{"IsOpened", "true"}, {"Integrate", 0}, {"Track mouse", 0}, {"Percent", 20}},
         {false, false, 20, false}},
        // Any non-zero flag is on; "Track mouse" absent after the first run reads as on.
        {{{"IsOpened", "true"}, {"Integrate", -7}, {"Percent", 256}}, {true, true, 80, false}},
        // "IsOpened" is case-sensitive, and a first run forces tracking on.
        {{{"IsOpened", "True"}, {"Track mouse", 0}, {"Percent", 255}}, {true, true, 255, true}},
    };
    for (const auto& [stored, expected] : cases) {
        test::FakeProfile profile;
        for (const auto& [name, value] : stored) {
            profile.Set("Status", name, value);
        }
        EXPECT_EQ(Fields(ReadFrameSettings(profile)), Fields(expected)) << stored.size();
    }
}

TEST(FrameSettings, StoredSettingsReadBackAsTheyWereAfterTheFirstRun) {
    for (bool on : {false, true}) {
        test::FakeProfile profile;
        EXPECT_TRUE(StoreFrameSettings({on, !on, on ? 40 : 1, true}, profile));
        EXPECT_EQ(Fields(ReadFrameSettings(profile)), Fields({on, !on, on ? 40 : 1, false}));
    }
    test::FakeProfile refusing;
    refusing.failWrites = true;
    EXPECT_FALSE(StoreFrameSettings(FrameSettings{}, refusing));
}

} // namespace
} // namespace quill
