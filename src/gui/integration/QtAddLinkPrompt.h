#pragma once

#include "commands/LinkHandover.h"

// "Add new link" for a handed-over link.
class QtAddLinkPrompt : public quill::AddLinkPrompt {
public:
    Answer Ask(quill::LinkRecord& link) override;
};
