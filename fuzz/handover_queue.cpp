// The queue and answers files: whatever is read is written and read back the same.
#include "core/integration/HandOverQueue.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto links = quill::ParseQueue(bytes);
    std::string written;
    for (const quill::QueuedLink& link : links) {
        written += quill::QueueLine(link);
    }
    const auto answers = quill::ParseAnswers(bytes);
    const auto answersAgain = quill::ParseAnswers(quill::AnswersText(answers));
    if (quill::ParseQueue(written) != links || answersAgain.size() != answers.size()) {
        std::abort();
    }
    for (const auto& [id, answer] : answers) {
        const quill::LinkAnswer& again = answersAgain.at(id);
        if (again.state != answer.state || again.address != answer.address ||
            again.comment != answer.comment || again.equalBefore != answer.equalBefore) {
            std::abort();
        }
    }
    return 0;
}
