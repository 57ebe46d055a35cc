#include "integration/LinkHost.h"
#include "integration/NativeMessaging.h"
#include "settings/ProfileValues.h"
#include "support/FakeProfile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quill {
namespace {

using test::FakeProfile;

std::vector<std::string> Answers(const std::string& output) {
    std::istringstream in(output);
    std::vector<std::string> answers;
    for (NativeFrame frame = ReadNativeMessage(in); frame.status == FrameStatus::Message;
         frame = ReadNativeMessage(in)) {
        answers.push_back(frame.message);
    }
    return answers;
}

struct HostRun {
    int status;
    std::vector<std::string> answers;
};

HostRun Serve(const std::string& input, FakeProfile& profile) {
    std::istringstream in(input);
    std::ostringstream out;
    int status = ServeLinkHost(in, out, profile);
    return {status, Answers(out.str())};
}

TEST(LinkHost, StoresTheTextsBeforeTheFlagAndAcknowledges) {
    FakeProfile profile;
    profile.Set("Status", "new_link", std::string("false"));
    HostRun run =
        Serve(FrameNativeMessage(R"({"href":"<a href=\"https://a.org/\">A</a>","text":"A page"})"),
              profile);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.answers.size(), 1u);
    EXPECT_EQ(run.answers[0], R"({"ok":true})");
    EXPECT_EQ(profile.writes,
              (std::vector<std::string>{"new_link_href", "new_link_text", "new_link"}));
    EXPECT_EQ(profile.ReadString("Status", "new_link_href"), R"(<a href="https://a.org/">A</a>)");
    EXPECT_EQ(profile.ReadString("Status", "new_link_text"), "A page");
    EXPECT_EQ(profile.ReadString("Status", "new_link"), "true");
}

TEST(LinkHost, RefusedMessagesChangeNothingAndTheHostGoesOn) {
    FakeProfile profile;
    HostRun run = Serve(FrameNativeMessage("not json") + FrameNativeMessage(R"({"href":"a"})") +
                            FrameNativeMessage(R"({"href":"h","text":"t"})"),
                        profile);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.answers.size(), 3u);
    EXPECT_NE(run.answers[0].find(R"("ok":false)"), std::string::npos);
    EXPECT_NE(run.answers[1].find(R"("ok":false)"), std::string::npos);
    EXPECT_EQ(run.answers[2], R"({"ok":true})");
    EXPECT_EQ(profile.writes.size(), 3u);

    // Closed input without a message ends quietly.
    EXPECT_EQ(Serve("", profile).status, 0);
    EXPECT_TRUE(Serve("", profile).answers.empty());
}

TEST(LinkHost, BrokenFramesGetOneRefusalAndEndTheRun) {
    std::string good = FrameNativeMessage(R"({"href":"h","text":"t"})");
    std::string oversized(4, '\xff');
    for (const std::string& broken :
         {good.substr(0, good.size() - 1), good.substr(0, 2), oversized + good}) {
        FakeProfile profile;
        HostRun run = Serve(broken, profile);
        EXPECT_EQ(run.status, 1);
        ASSERT_EQ(run.answers.size(), 1u);
        EXPECT_NE(run.answers[0].find(R"("ok":false)"), std::string::npos);
        EXPECT_TRUE(profile.writes.empty());
    }
}

TEST(LinkHost, ProfileThatCannotBeWrittenIsReportedNotAcknowledged) {
    FakeProfile profile;
    profile.failWrites = true;
    HostRun run = Serve(FrameNativeMessage(R"({"href":"h","text":"t"})"), profile);
    ASSERT_EQ(run.answers.size(), 1u);
    EXPECT_NE(run.answers[0].find(R"("ok":false)"), std::string::npos);
    EXPECT_FALSE(profile.ReadString("Status", "new_link"));
}

} // namespace
} // namespace quill
