#include "integration/LinkHost.h"

#include "integration/LinkMessage.h"
#include "integration/NativeMessaging.h"
#include "settings/ProfileValues.h"

namespace quill {

namespace {

constexpr std::string_view kWaitingFlag = "true";

void Answer(std::ostream& out, std::string_view json) {
    out << FrameNativeMessage(json);
    out.flush();
}

} // namespace

std::string DeliverLinkMessage(std::string_view json, Profile& profile) {
    auto parsed = ParseLinkMessage(json);
    if (auto* error = std::get_if<LinkMessageError>(&parsed)) {
        return LinkRefusedAnswer(error->reason);
    }
    const auto& link = std::get<LinkMessage>(parsed);
    if (!WriteString(profile, values::kNewLinkHref, link.href) ||
        !WriteString(profile, values::kNewLinkText, link.text) ||
        !WriteString(profile, values::kNewLink, kWaitingFlag)) {
        return LinkRefusedAnswer("Quillmark's settings could not be written");
    }
    return LinkAcceptedAnswer();
}

int ServeLinkHost(std::istream& in, std::ostream& out, Profile& profile) {
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
            Answer(out, DeliverLinkMessage(frame.message, profile));
            break;
        }
    }
}

} // namespace quill
