#include "integration/LinkHost.h"

#include "files/IniKeys.h"
#include "integration/NativeMessaging.h"
#include "support/TempFolder.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace quill {
namespace {

struct HostRun {
    int status;
    std::vector<std::string> answers;
};

HostRun Serve(const std::string& input, HandOverFile& slot, int patienceMs = 100) {
    std::istringstream in(input);
    std::stringstream out;
    HostRun run{ServeLinkHost(in, out, slot, patienceMs), {}};
    for (NativeFrame f = ReadNativeMessage(out); f.status == FrameStatus::Message;
         f = ReadNativeMessage(out)) {
        run.answers.push_back(f.message);
    }
    return run;
}

bool Refused(const std::string& answer) {
    return answer.find(R"("ok":false)") != std::string::npos;
}

const std::string kWaitingA = "[Status]\nnew_link=true\nnew_link_href=A\nnew_link_text=A text\n";

TEST(LinkHost, StoresTheLinkInOneWriteAndAcknowledges) {
    test::TempFolder folder;
    std::string before = kWaitingA;
    before.replace(before.find("new_link=true"), 13, "new_link=false");
    folder.Write("q.conf", before);
    const std::string message =
        FrameNativeMessage(R"({"href":"<a href=\"https://a.org/\">A</a>","text":"@A; b, c"})");
    HandOverFile slot(folder.File("q.conf"));
    HostRun run = Serve(message, slot);
    EXPECT_TRUE(run.status == 0 && run.answers == std::vector<std::string>{R"({"ok":true})"});
    const std::string after = folder.Read("q.conf");
    EXPECT_EQ(ReadIniValue(after, "Status", "new_link"), "true");
    EXPECT_EQ(ReadIniValue(after, "Status", "new_link_href"), R"(<a href="https://a.org/">A</a>)");
    EXPECT_EQ(ReadIniValue(after, "Status", "new_link_text"), "@A; b, c");
    EXPECT_EQ(folder.Listing(), "q.conf\n");

    HandOverFile fresh(folder.File("new/q.conf")); // the profile's folder not made yet
    EXPECT_EQ(Serve(message, fresh).answers, std::vector<std::string>{R"({"ok":true})"});
    EXPECT_EQ(ReadIniValue(folder.Read("new/q.conf"), "Status", "new_link"), "true");
}

TEST(LinkHost, AWaitingLinkIsNeverReplacedOnlyGivenTimeToBeTaken) {
    test::TempFolder folder;
    folder.Write("q.conf", kWaitingA);
    HandOverFile slot(folder.File("q.conf"));
    const std::string b = FrameNativeMessage(R"({"href":"B","text":"B text"})");

    HostRun untaken = Serve(b, slot);
    EXPECT_TRUE(untaken.answers.size() == 1 &&
                untaken.answers[0].find(kNotRunningReason) != std::string::npos);
    EXPECT_EQ(folder.Read("q.conf"), kWaitingA);

    // Taken by the program while the host waits: B follows it.
    std::thread program([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        HandOverFile pickup(folder.File("q.conf"));
        // The host holds the lock for a moment now and then: try again, as the next tick would.
        while (pickup.TakeLink().result == HandOverFile::Take::Busy) {
        }
    });
    HostRun taken = Serve(b, slot, 3000);
    program.join();
    EXPECT_EQ(taken.answers, std::vector<std::string>{R"({"ok":true})"});
    EXPECT_EQ(ReadIniValue(folder.Read("q.conf"), "Status", "new_link_text"), "B text");
}

TEST(LinkHost, RefusedMessagesBrokenFramesAndFailedWritesAreNotAcknowledged) {
    test::TempFolder folder;
    HandOverFile slot(folder.File("q.conf"));
    HostRun run =
        Serve(FrameNativeMessage("not json") + FrameNativeMessage(R"({"href":"a"})"), slot);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.answers.size(), 2u);
    EXPECT_TRUE(Refused(run.answers[0]) && Refused(run.answers[1]));
    EXPECT_TRUE(Serve("", slot).answers.empty());

    std::string good = FrameNativeMessage(R"({"href":"h","text":"t"})");
    std::string oversized(4, '\xff');
    for (const std::string& broken :
         {good.substr(0, good.size() - 1), good.substr(0, 2), oversized + good}) {
        HostRun cut = Serve(broken, slot);
        EXPECT_TRUE(cut.status == 1 && cut.answers.size() == 1 && Refused(cut.answers[0]));
    }
    // A profile that cannot be written is reported, not acknowledged.
    std::filesystem::create_directory(folder.Path() / "q.conf");
    HostRun unwritable = Serve(good, slot);
    EXPECT_TRUE(unwritable.answers.size() == 1 && Refused(unwritable.answers[0]));
    EXPECT_EQ(folder.Listing(), "q.conf\n");
}

std::string LengthBytes(std::uint32_t length) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &length, 4);
    return bytes;
}

TEST(NativeMessaging, FramesCarryTheLengthInNativeOrderAndBrokenOnesAreToldApart) {
    const std::string messages[] = {R"({"href":"a","text":"b"})", "",
                                    std::string(kMaxNativeMessageBytes, 'y')};
    std::string stream;
    for (const std::string& message : messages) {
        stream += FrameNativeMessage(message);
    }
    EXPECT_EQ(stream.substr(0, 27), LengthBytes(23) + messages[0]);

    std::istringstream in(stream);
    for (const std::string& message : messages) {
        NativeFrame frame = ReadNativeMessage(in);
        EXPECT_TRUE(frame.status == FrameStatus::Message && frame.message == message);
    }
    EXPECT_EQ(ReadNativeMessage(in).status, FrameStatus::EndOfInput);

    // Broken frames are told apart and an oversized body is never read.
    const std::pair<std::string, FrameStatus> cases[] = {
        {std::string("\x05\x00", 2), FrameStatus::Truncated},
        {LengthBytes(10) + "12345", FrameStatus::Truncated},
        {LengthBytes(kMaxNativeMessageBytes + 1) + std::string(kMaxNativeMessageBytes + 1, 'x'),
         FrameStatus::Oversized},
        {LengthBytes(0xFFFFFFFFu), FrameStatus::Oversized}};
    for (const auto& [bytes, status] : cases) {
        std::istringstream broken(bytes);
        NativeFrame frame = ReadNativeMessage(broken);
        EXPECT_TRUE(frame.status == status && frame.message.empty()) << bytes.size();
        EXPECT_LE(broken.tellg(), 10) << "the body was read";
    }
}

} // namespace
} // namespace quill
