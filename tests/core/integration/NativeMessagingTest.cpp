#include "integration/NativeMessaging.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace quill {
namespace {

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
