#include "integration/LinkHost.h"
#include "integration/NativeMessaging.h"
#include "support/FakeProfile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quill {
namespace {

using test::FakeProfile;
using Strings = std::vector<std::string>;

struct HostRun {
    int status;
    Strings answers;
};

HostRun Serve(const std::string& input, FakeProfile& profile) {
    std::istringstream in(input);
    std::ostringstream out;
    HostRun run{ServeLinkHost(in, out, profile), {}};
    std::istringstream answers(out.str());
    for (NativeFrame frame = ReadNativeMessage(answers); frame.status == FrameStatus::Message;
         frame = ReadNativeMessage(answers)) {
        run.answers.push_back(frame.message.substr(0, frame.message.find(',')));
    }
    return run;
}

const std::string kGood =
    FrameNativeMessage(R"({"href":"<a href=\"https://a.org/\">A</a>","text":"A"})");

// The flag comes last, so the program never sees it with older texts.
TEST(LinkHost, AnswersEachMessageAndStoresTheTextsBeforeTheFlag) {
    FakeProfile profile;
    profile.Set("Status", "new_link", std::string("false"));
    HostRun run = Serve(FrameNativeMessage("not json") + kGood, profile);

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.answers, (Strings{R"({"ok":false)", R"({"ok":true})"}));
    EXPECT_EQ(profile.writes, (Strings{"new_link_href", "new_link_text", "new_link"}));
    EXPECT_EQ(profile.ReadString("Status", "new_link_href"), R"(<a href="https://a.org/">A</a>)");
    EXPECT_EQ(profile.ReadString("Status", "new_link_text"), "A");
    EXPECT_EQ(profile.ReadString("Status", "new_link"), "true");
    EXPECT_EQ(Serve("", profile).answers, Strings{});
}

TEST(LinkHost, ABrokenFrameGetsOneRefusalAndEndsTheRun) {
    for (const std::string& broken :
         {kGood.substr(0, kGood.size() - 1), kGood.substr(0, 2), std::string(4, '\xff') + kGood}) {
        FakeProfile profile;
        HostRun run = Serve(broken, profile);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.answers, Strings{R"({"ok":false)"});
        EXPECT_TRUE(profile.writes.empty());
    }
}

TEST(LinkHost, AProfileThatCannotBeWrittenIsReportedNotAcknowledged) {
    FakeProfile profile;
    profile.failWrites = true;
    EXPECT_EQ(Serve(kGood, profile).answers, Strings{R"({"ok":false)"});
}

} // namespace
} // namespace quill
