// Commands clicked on a page: any text splits into a verb and an index
// without fault; without a "|" the verb is the whole text.
#include "core/pages/PageCommand.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quill::PageCommandText command = quill::SplitPageCommand(text);
    const bool plain = text.find('|') == std::string_view::npos;
    if (command.verb.size() > text.size() || (plain && command.verb != text)) {
        std::abort();
    }
    quill::ReadCommandIndex(text);
    return 0;
}
