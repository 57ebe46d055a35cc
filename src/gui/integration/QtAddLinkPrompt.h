#pragma once

#include "commands/LinkHandover.h"

// "Add new link" for a handed-over link.
class QtAddLinkPrompt : public quill::AddLinkPrompt {
public:
    bool Ask(quill::LinkRecord& link) override;
};
