// The link and task files' lines: a record read and written again reads the same.
#include "core/files/LineText.h"
#include "core/links/LinkFile.h"
#include "core/tasks/TaskFile.h"

#include <cstdlib>

namespace {
// A formatted record as it stands on its line, without the line end.
std::string OnItsLine(std::string formatted) {
    while (!formatted.empty() && (formatted.back() == '\n' || formatted.back() == '\r')) {
        formatted.pop_back();
    }
    return formatted;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    for (const std::string& line : quill::SplitLines({reinterpret_cast<const char*>(data), size})) {
        const quill::LinkRecord link = quill::ParseLinkLine(line);
        const quill::TaskRecord task = quill::ParseTaskLine(line);
        const std::string taskLine = OnItsLine(quill::FormatTaskLine(task));
        const std::string linkLine = OnItsLine(quill::FormatLinkLine(link));
        if (OnItsLine(quill::FormatLinkLine(quill::ParseLinkLine(linkLine))) != linkLine ||
            OnItsLine(quill::FormatTaskLine(quill::ParseTaskLine(taskLine))) != taskLine) {
            std::abort();
        }
    }
    return 0;
}
