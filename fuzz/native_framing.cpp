// Native-messaging frames: a frame read is whole and frames again to the same bytes.
#include "core/integration/NativeMessaging.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (int i = 0; i < 64; ++i) {
        quill::NativeFrame frame = quill::ReadNativeMessage(in);
        if (frame.status != quill::FrameStatus::Message) {
            return frame.message.empty() ? 0 : (std::abort(), 0);
        }
        std::istringstream again(quill::FrameNativeMessage(frame.message));
        if (frame.message.size() > quill::kMaxNativeMessageBytes ||
            quill::ReadNativeMessage(again).message != frame.message) {
            std::abort();
        }
    }
    return 0;
}
