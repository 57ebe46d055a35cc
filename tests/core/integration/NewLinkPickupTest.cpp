#include "integration/NewLinkPickup.h"
#include "support/FakeProfile.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using test::FakeProfile;

// A profile whose flag writes report success but do not stick, as a profile
// file that another program keeps rewriting or that is read-only underneath.
class ForgetfulProfile : public FakeProfile {
public:
    bool WriteString(std::string_view, std::string_view name, std::string_view) override {
        writes.emplace_back(name);
        return true;
    }
};

FakeProfile Waiting(const char* flag) {
    FakeProfile profile;
    profile.Set("Status", "new_link", std::string(flag));
    return profile;
}

TEST(NewLinkPickup, OnlyExactlyTrueIsAHandover) {
    for (const char* flag : {"TRUE", "True", "yes", "", "true ", "1"}) {
        FakeProfile profile = Waiting(flag);
        EXPECT_EQ(PollNewLink(profile, [](auto, auto) { FAIL(); }), PickupResult::NothingWaiting)
            << flag;
        EXPECT_TRUE(profile.writes.empty());
    }
    FakeProfile absent;
    EXPECT_EQ(PollNewLink(absent, [](auto, auto) { FAIL(); }), PickupResult::NothingWaiting);
}

TEST(NewLinkPickup, TrueGivesOneHandoverWithFlagAlreadyFalseAndAbsentTextsEmpty) {
    FakeProfile profile = Waiting("true");
    profile.Set("Status", "new_link_href", std::string("<a href=\"https://a/\">A</a>"));
    profile.Set("Status", "new_link_text", std::string("A"));
    int handovers = 0;
    auto handOver = [&](std::string href, std::string text) {
        ++handovers;
        EXPECT_EQ(profile.ReadString("Status", "new_link"), "false");
        EXPECT_EQ(href, "<a href=\"https://a/\">A</a>");
        EXPECT_EQ(text, "A");
    };
    EXPECT_EQ(PollNewLink(profile, handOver), PickupResult::Delivered);
    EXPECT_EQ(PollNewLink(profile, handOver), PickupResult::NothingWaiting);
    EXPECT_EQ(handovers, 1);
    EXPECT_EQ(profile.writes, std::vector<std::string>{"new_link"});

    FakeProfile bare = Waiting("true");
    std::string texts = "unset";
    EXPECT_EQ(PollNewLink(bare, [&](std::string href, std::string text) { texts = href + text; }),
              PickupResult::Delivered);
    EXPECT_EQ(texts, "");
}

TEST(NewLinkPickup, FailedResetDeliversNothingAndKeepsTheLinkWaiting) {
    FakeProfile refusing = Waiting("true");
    refusing.failWrites = true;
    ForgetfulProfile forgetful;
    forgetful.Set("Status", "new_link", std::string("true"));
    for (FakeProfile* profile : {&refusing, static_cast<FakeProfile*>(&forgetful)}) {
        for (int tick = 0; tick < 3; ++tick) {
            EXPECT_EQ(
                PollNewLink(*profile, [](auto, auto) { FAIL() << "no dialog without reset"; }),
                PickupResult::ResetFailed);
        }
        EXPECT_EQ(profile->ReadString("Status", "new_link"), "true");
    }
}

TEST(NewLinkPickup, SecondLinkDuringTheDialogOpensASecondHandover) {
    FakeProfile profile = Waiting("true");
    profile.Set("Status", "new_link_href", std::string("first"));
    std::vector<std::string> opened;
    LinkHandOver handOver = [&](std::string href, std::string) {
        opened.push_back(href);
        if (opened.size() == 1) {
            // Ticks keep running while the first dialog is open.
            EXPECT_EQ(PollNewLink(profile, handOver), PickupResult::NothingWaiting);
            profile.Set("Status", "new_link_href", std::string("second"));
            profile.Set("Status", "new_link", std::string("true"));
            EXPECT_EQ(PollNewLink(profile, handOver), PickupResult::Delivered);
        }
    };
    EXPECT_EQ(PollNewLink(profile, handOver), PickupResult::Delivered);
    EXPECT_EQ(opened, (std::vector<std::string>{"first", "second"}));
}

} // namespace
} // namespace quill
