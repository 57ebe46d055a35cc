// The extension's JSON: what is accepted survives being written and read again.
#include "core/integration/JsonText.h"
#include "core/integration/LinkMessage.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    auto parsed = quill::ParseLinkMessage({reinterpret_cast<const char*>(data), size});
    if (const auto* link = std::get_if<quill::LinkMessage>(&parsed)) {
        const std::string json = "{\"href\":" + quill::JsonQuote(link->href) +
                                 ",\"text\":" + quill::JsonQuote(link->text) + "}";
        const auto again = quill::ParseLinkMessage(json);
        if (!std::holds_alternative<quill::LinkMessage>(again) ||
            std::get<quill::LinkMessage>(again) != *link) {
            std::abort();
        }
    }
    return 0;
}
