#include "integration/LinkHost.h"

#include "integration/LinkMessage.h"
#include "integration/NativeMessaging.h"

namespace quill {

namespace {

void Answer(std::ostream& out, std::string_view json) {
    out << FrameNativeMessage(json);
    out.flush();
}

} // namespace

std::string DeliverLinkMessage(std::string_view json, HandOverFile& slot, int patienceMs) {
    auto parsed = ParseLinkMessage(json);
    if (auto* error = std::get_if<LinkMessageError>(&parsed)) {
        return LinkRefusedAnswer(error->reason);
    }
    const auto& link = std::get<LinkMessage>(parsed);
    switch (slot.OfferLink(link.href, link.text, patienceMs)) {
    case HandOverFile::Offer::Stored:
        return LinkAcceptedAnswer();
    case HandOverFile::Offer::NotTaken:
        return LinkRefusedAnswer(kNotRunningReason);
    case HandOverFile::Offer::Failed:
        break;
    }
    return LinkRefusedAnswer("Quillmark's settings could not be written");
}

int ServeLinkHost(std::istream& in, std::ostream& out, HandOverFile& slot, int patienceMs) {
    while (true) {
        NativeFrame frame = ReadNativeMessage(in);
        switch (frame.status) {
        case FrameStatus::EndOfInput:
            return 0;
        case FrameStatus::Truncated:
            Answer(out, LinkRefusedAnswer("the message was cut short"));
            return 1;
        case FrameStatus::Oversized:
            Answer(out, LinkRefusedAnswer("the message is too long"));
            return 1;
        case FrameStatus::Message:
            Answer(out, DeliverLinkMessage(frame.message, slot, patienceMs));
            break;
        }
    }
}

} // namespace quill
