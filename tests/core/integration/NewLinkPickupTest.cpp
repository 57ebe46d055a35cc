#include "integration/NewLinkPickup.h"
#include "frame/MainFrameState.h"
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
        MainFrameState state;
        EXPECT_EQ(PollNewLink(profile, state, [] { FAIL(); }), PickupResult::NothingWaiting)
            << flag;
        EXPECT_TRUE(profile.writes.empty());
    }
    FakeProfile absent;
    MainFrameState state;
    EXPECT_EQ(PollNewLink(absent, state, [] { FAIL(); }), PickupResult::NothingWaiting);
}

TEST(NewLinkPickup, TrueGivesOneHandoverWithFlagAlreadyFalseAndAbsentTextsEmpty) {
    FakeProfile profile = Waiting("true");
    profile.Set("Status", "new_link_href", std::string("<a href=\"https://a/\">A</a>"));
    profile.Set("Status", "new_link_text", std::string("A"));
    MainFrameState state;
    int handovers = 0;
    auto handOver = [&] {
        ++handovers;
        EXPECT_EQ(profile.ReadString("Status", "new_link"), "false");
        EXPECT_EQ(state.m_newLinkHref, "<a href=\"https://a/\">A</a>");
        EXPECT_EQ(state.m_newLinkText, "A");
    };
    EXPECT_EQ(PollNewLink(profile, state, handOver), PickupResult::Delivered);
    EXPECT_EQ(PollNewLink(profile, state, handOver), PickupResult::NothingWaiting);
    EXPECT_EQ(handovers, 1);
    EXPECT_EQ(profile.writes, std::vector<std::string>{"new_link"});

    FakeProfile bare = Waiting("true");
    EXPECT_EQ(PollNewLink(bare, state, [] {}), PickupResult::Delivered);
    EXPECT_EQ(state.m_newLinkHref, "");
    EXPECT_EQ(state.m_newLinkText, "");
}

TEST(NewLinkPickup, FailedResetDeliversNothingAndKeepsTheLinkWaiting) {
    FakeProfile refusing = Waiting("true");
    refusing.failWrites = true;
    ForgetfulProfile forgetful;
    forgetful.Set("Status", "new_link", std::string("true"));
    for (FakeProfile* profile : {&refusing, static_cast<FakeProfile*>(&forgetful)}) {
        MainFrameState state;
        for (int tick = 0; tick < 3; ++tick) {
            EXPECT_EQ(PollNewLink(*profile, state, [] { FAIL() << "no dialog without reset"; }),
                      PickupResult::ResetFailed);
        }
        EXPECT_EQ(profile->ReadString("Status", "new_link"), "true");
    }
}

TEST(NewLinkPickup, SecondLinkDuringTheDialogOpensASecondHandover) {
    FakeProfile profile = Waiting("true");
    profile.Set("Status", "new_link_href", std::string("first"));
    MainFrameState state;
    std::vector<std::string> opened;
    std::function<void()> handOver = [&] {
        opened.push_back(state.m_newLinkHref);
        if (opened.size() == 1) {
            // Ticks keep running while the first dialog is open.
            EXPECT_EQ(PollNewLink(profile, state, handOver), PickupResult::NothingWaiting);
            profile.Set("Status", "new_link_href", std::string("second"));
            profile.Set("Status", "new_link", std::string("true"));
            EXPECT_EQ(PollNewLink(profile, state, handOver), PickupResult::Delivered);
        }
    };
    EXPECT_EQ(PollNewLink(profile, state, handOver), PickupResult::Delivered);
    EXPECT_EQ(opened, (std::vector<std::string>{"first", "second"}));
}

} // namespace
} // namespace quill
