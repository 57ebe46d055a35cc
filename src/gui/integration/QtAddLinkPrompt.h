#pragma once

#include "core/integration/LinkHandover.h"

#include <functional>

// "Add new link" for a handed-over link.
class QtAddLinkPrompt : public quill::AddLinkPrompt {
public:
    // programEnding: whether the program is ending, as when a dialog that
    // Qt closed on its way out would read as declined.
    explicit QtAddLinkPrompt(std::function<bool()> programEnding)
        : m_programEnding(std::move(programEnding)) {}
    Answer Ask(quill::LinkRecord& link) override;

private:
    std::function<bool()> m_programEnding;
};
