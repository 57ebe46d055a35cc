#include "core/integration/LinkHost.h"

#include "core/files/ProcessClaim.h"
#include "core/integration/NativeMessaging.h"
#include "core/links/PageAddress.h"
#include "support/FakeLock.h"
#include "support/TempFolder.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace quill {
namespace {

struct HostRun {
    int status;
    std::vector<std::string> answers;
};

HostRun Serve(const std::string& input, const HandOverPaths& paths) {
    std::istringstream in(input);
    std::stringstream out;
    test::FakeLock lock;
    HostRun run{ServeLinkHost(in, out, paths, lock, 100), {}};
    for (NativeFrame f = ReadNativeMessage(out); f.status == FrameStatus::Message;
         f = ReadNativeMessage(out)) {
        run.answers.push_back(f.message);
    }
    return run;
}

bool Refused(const std::string& answer) {
    return answer.find(R"("ok":false)") != std::string::npos;
}

std::string Message(const std::string& address, const std::string& text) {
    return FrameNativeMessage(R"({"href":"<a href=\")" + address + R"(\">A</a>","text":")" + text +
                              "\"}");
}

// Every link is kept, in order, whether or not the program runs, and the
// extension hears which of the two it was.
TEST(LinkHost, QueuesEveryLinkInOrderAndSaysWhetherTheProgramTakesIt) {
    test::TempFolder folder;
    const HandOverPaths paths(folder.File("new/q.conf")); // the profile's folder not made yet
    const std::string longAddress = "https://a.org/" + std::string(60000, 'x');
    HostRun closed =
        Serve(Message("https://a.org/", "@A; b, c") + Message(longAddress, "long"), paths);
    EXPECT_EQ(closed.answers, std::vector<std::string>(2, R"({"ok":true,"kept":true})"));
    ProcessClaim program(paths.claim);
    ASSERT_TRUE(program.TryClaim());
    EXPECT_EQ(Serve(Message("mailto:x@a.org", "m"), paths).answers,
              std::vector<std::string>{R"({"ok":true})"});
    const auto queued = ReadQueue(paths.queue).value();
    ASSERT_EQ(queued.size(), 3u);
    EXPECT_EQ(queued[0].href + queued[0].text, R"(<a href="https://a.org/">A</a>@A; b, c)");
    EXPECT_EQ(queued[1].href, "<a href=\"" + longAddress + "\">A</a>");
    EXPECT_EQ(queued[2].text, "m");
    EXPECT_NE(queued[0].id, queued[1].id);
}

TEST(PageAddress, OnlyWhatABrowserOpensAsAPage) {
    for (const char* address : {"http://a", "HTTPS://a", "ftp://a", "File:///x", "mailto:x@a"}) {
        EXPECT_TRUE(OpensAsPage(address)) << address;
    }
    for (const char* address : {"javascript:x", "ftps://a", " http://a", "a.org", "https"}) {
        EXPECT_FALSE(OpensAsPage(address)) << address;
    }
}

TEST(LinkHost, RefusedMessagesBrokenFramesAndFailedWritesAreNotAcknowledged) {
    test::TempFolder folder;
    const HandOverPaths paths(folder.File("q.conf"));
    HostRun run = Serve(FrameNativeMessage("not json") + FrameNativeMessage(R"({"href":"a"})") +
                            Message("javascript:alert(1)", "j") + Message("DATA:text/html,x", "d") +
                            Message("no scheme", "n"),
                        paths);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.answers.size(), 5u);
    for (const std::string& answer : run.answers) {
        EXPECT_TRUE(Refused(answer)) << answer;
    }
    EXPECT_NE(run.answers[2].find(kNotAPageReason), std::string::npos);
    EXPECT_TRUE(Serve("", paths).answers.empty());

    std::string good = Message("http://h/", "t");
    std::string oversized(4, '\xff');
    for (const std::string& broken :
         {good.substr(0, good.size() - 1), good.substr(0, 2), oversized + good}) {
        HostRun cut = Serve(broken, paths);
        EXPECT_TRUE(cut.status == 1 && cut.answers.size() == 1 && Refused(cut.answers[0]));
    }
    EXPECT_EQ(folder.Listing(), "");
    // A full queue or one that cannot be written is reported, not acknowledged.
    std::string full;
    for (std::size_t i = 0; i < kMaxWaitingLinks; ++i) {
        full += QueueLine({"0" + std::to_string(i), "h", "t"});
    }
    folder.Write("q.handover", full);
    EXPECT_TRUE(Refused(Serve(good, paths).answers.at(0)));
    std::filesystem::remove(folder.Path() / "q.handover");
    std::filesystem::create_directory(folder.Path() / "q.handover");
    EXPECT_TRUE(Refused(Serve(good, paths).answers.at(0)));
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
