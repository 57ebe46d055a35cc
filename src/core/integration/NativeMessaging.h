#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace quill {

// A browser talks to a native host over stdio: each message is a 32-bit length
// in the machine's own byte order, then that many bytes of UTF-8 JSON.

// Nothing the extension sends comes near this; a larger length means a broken
// or hostile sender, so the bytes are never read into memory.
inline constexpr std::uint32_t kMaxNativeMessageBytes = 64 * 1024;

enum class FrameStatus {
    Message,    // one whole message was read
    EndOfInput, // the input closed between messages
    Truncated,  // the input closed inside a length or a message
    Oversized,  // the length is above kMaxNativeMessageBytes; its bytes are not read
};

struct NativeFrame {
    FrameStatus status = FrameStatus::EndOfInput;
    std::string message;
};

// Reads one framed message. After Truncated or Oversized the stream cannot be
// trusted any more: the caller answers once and stops.
NativeFrame ReadNativeMessage(std::istream& in);

// Frames a message for the other side.
std::string FrameNativeMessage(std::string_view json);

} // namespace quill
