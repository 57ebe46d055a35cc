#include "settings/FrameSettings.h"

#include "settings/ProfileValues.h"
#include "support/FakeProfile.h"

#include <gtest/gtest.h>
#include <map>

namespace quill {
namespace {

TEST(FrameSettings, ProfileValuesAreReadWithTheirDefaultsAndFirstRunRules) {
    using Values = std::map<std::string, test::FakeProfile::Value>;
    struct Case {
        Values stored;
        bool firstRun, integrate, trackMouse;
        int transparency;
    };
    const Case cases[] = {
        {{}, true, true, true, 80},
        {{{"IsOpened", "true"}, {"Integrate", 0}, {"Track mouse", 0}, {"Percent", 20}},
         false,
         false,
         false,
         20},
        // Any non-zero flag is on; "Track mouse" absent after the first run reads as on.
        {{{"IsOpened", "true"}, {"Integrate", -7}, {"Percent", 256}}, false, true, true, 80},
        // "IsOpened" is case-sensitive, and a first run forces tracking on.
        {{{"IsOpened", "True"}, {"Track mouse", 0}, {"Percent", 255}}, true, true, true, 255},
    };
    for (const Case& c : cases) {
        test::FakeProfile profile;
        for (const auto& [name, value] : c.stored) {
            profile.Set("Status", name, value);
        }
        const FrameSettings settings = ReadFrameSettings(profile);
        EXPECT_EQ(settings.firstRun, c.firstRun);
        EXPECT_EQ(settings.integrate, c.integrate);
        EXPECT_EQ(settings.trackMouse, c.trackMouse);
        EXPECT_EQ(settings.transparency, c.transparency);
    }
}

TEST(FrameSettings, StoredSettingsReadBackAsTheyWereAfterTheFirstRun) {
    for (bool on : {false, true}) {
        test::FakeProfile profile;
        FrameSettings settings{on, !on, on ? 40 : 1, true};

        EXPECT_TRUE(StoreFrameSettings(settings, profile));

        EXPECT_EQ(profile.writes,
                  (std::vector<std::string>{"Percent", "IsOpened", "Integrate", "Track mouse"}));
        const FrameSettings read = ReadFrameSettings(profile);
        EXPECT_FALSE(read.firstRun);
        EXPECT_EQ(read.integrate, on);
        EXPECT_EQ(read.trackMouse, !on);
        EXPECT_EQ(read.transparency, settings.transparency);
    }
    test::FakeProfile refusing;
    refusing.failWrites = true;
    EXPECT_FALSE(StoreFrameSettings(FrameSettings{}, refusing));
}

} // namespace
} // namespace quill
