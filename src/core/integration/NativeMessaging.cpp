#include "core/integration/NativeMessaging.h"

#include <bit>
#include <cstring>

namespace quill {

namespace {

// Reads up to count bytes; returns how many arrived before the input ended.
std::size_t ReadUpTo(std::istream& in, char* target, std::size_t count) {
    in.read(target, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount());
}

} // namespace

NativeFrame ReadNativeMessage(std::istream& in) {
    NativeFrame frame;
    char lengthBytes[sizeof(std::uint32_t)];
    std::size_t got = ReadUpTo(in, lengthBytes, sizeof lengthBytes);
    if (got == 0) {
        frame.status = FrameStatus::EndOfInput;
        return frame;
    }
    if (got < sizeof lengthBytes) {
        frame.status = FrameStatus::Truncated;
        return frame;
    }
    const auto length = std::bit_cast<std::uint32_t>(lengthBytes);
    if (length > kMaxNativeMessageBytes) {
        frame.status = FrameStatus::Oversized;
        return frame;
    }
    frame.message.resize(length);
    if (ReadUpTo(in, frame.message.data(), length) < length) {
        frame.message.clear();
        frame.status = FrameStatus::Truncated;
        return frame;
    }
    frame.status = FrameStatus::Message;
    return frame;
}

std::string FrameNativeMessage(std::string_view json) {
    auto length = static_cast<std::uint32_t>(json.size());
    std::string framed(sizeof length, '\0');
    std::memcpy(framed.data(), &length, sizeof length);
    framed.append(json);
    return framed;
}

} // namespace quill
