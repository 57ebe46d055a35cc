#include "core/files/FileError.h"

#include <system_error>

namespace quill {

std::string DescribeCause(const FileError& error) {
    if (!error) {
        return {};
    }
    if (error.errorNumber == 0) {
        return error.step;
    }
    // The system's text begins with a capital ("Permission denied"); it
    // follows a colon in the messages.
    std::string reason = std::generic_category().message(error.errorNumber);
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z') {
        reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
    }
    return reason + " (" + error.step + ")";
}

} // namespace quill
