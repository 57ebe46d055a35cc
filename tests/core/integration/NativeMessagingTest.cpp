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

TEST(NativeMessaging, FramesCarryTheLengthInNativeOrderAndReadBackOneByOne) {
    std::string first = R"({"href":"a","text":"b"})";
    std::string second = "{}";
    std::string framed = FrameNativeMessage(first);
    ASSERT_EQ(framed.size(), first.size() + 4);
    EXPECT_EQ(framed.substr(0, 4), LengthBytes(static_cast<std::uint32_t>(first.size())));

    std::istringstream in(framed + FrameNativeMessage(second) + FrameNativeMessage(""));
    for (const std::string& expected : {first, second, std::string()}) {
        NativeFrame frame = ReadNativeMessage(in);
        EXPECT_EQ(frame.status, FrameStatus::Message);
        EXPECT_EQ(frame.message, expected);
    }
    EXPECT_EQ(ReadNativeMessage(in).status, FrameStatus::EndOfInput);
}

TEST(NativeMessaging, InputClosingInsideAFrameIsTruncated) {
    std::istringstream shortLength(std::string("\x05\x00", 2));
    EXPECT_EQ(ReadNativeMessage(shortLength).status, FrameStatus::Truncated);

    std::istringstream shortBody(LengthBytes(10) + "12345");
    NativeFrame frame = ReadNativeMessage(shortBody);
    EXPECT_EQ(frame.status, FrameStatus::Truncated);
    EXPECT_EQ(frame.message, "");
}

TEST(NativeMessaging, LengthAboveTheLimitIsRefusedWithoutReadingTheBody) {
    std::string body(kMaxNativeMessageBytes + 1, 'x');
    std::istringstream in(LengthBytes(kMaxNativeMessageBytes + 1) + body);
    NativeFrame frame = ReadNativeMessage(in);
    EXPECT_EQ(frame.status, FrameStatus::Oversized);
    EXPECT_EQ(in.tellg(), 4);

    std::istringstream huge(LengthBytes(0xFFFFFFFFu));
    EXPECT_EQ(ReadNativeMessage(huge).status, FrameStatus::Oversized);

    std::string atLimit(kMaxNativeMessageBytes, 'y');
    std::istringstream fits(FrameNativeMessage(atLimit));
    EXPECT_EQ(ReadNativeMessage(fits).status, FrameStatus::Message);
}

} // namespace
} // namespace quill
