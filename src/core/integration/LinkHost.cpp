#include "core/integration/LinkHost.h"

#include "core/files/ProcessClaim.h"
#include "core/integration/LinkMessage.h"
#include "core/integration/NativeMessaging.h"
#include "core/links/PageAddress.h"

namespace quill {

namespace {

void Answer(std::ostream& out, std::string_view json) {
    out << FrameNativeMessage(json);
    out.flush();
}

} // namespace

std::string DeliverLinkMessage(std::string_view json, const HandOverPaths& paths,
                               CrossProcessLock& profileLock, int patienceMs) {
    auto parsed = ParseLinkMessage(json);
    if (auto* error = std::get_if<LinkMessageError>(&parsed)) {
        return LinkRefusedAnswer(error->reason);
    }
    const auto& link = std::get<LinkMessage>(parsed);
    if (!OpensAsPage(ExtractHandoverAddress(link.href))) {
        return LinkRefusedAnswer(kNotAPageReason);
    }
    switch (EnqueueLink(paths, profileLock, link.href, link.text, patienceMs)) {
    case Enqueued::Stored:
        return ProcessClaim::HeldByAnyone(paths.claim) ? LinkAcceptedAnswer() : LinkKeptAnswer();
    case Enqueued::Full:
        return LinkRefusedAnswer("too many links are waiting for Quillmark already");
    case Enqueued::Failed:
        break;
    }
    return LinkRefusedAnswer("Quillmark's settings could not be written");
}

int ServeLinkHost(std::istream& in, std::ostream& out, const HandOverPaths& paths,
                  CrossProcessLock& profileLock, int patienceMs) {
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
            Answer(out, DeliverLinkMessage(frame.message, paths, profileLock, patienceMs));
            break;
        }
    }
}

} // namespace quill
