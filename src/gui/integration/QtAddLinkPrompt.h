#pragma once

#include "links/LinkHandover.h"

class QWidget;

// "Add new link" for a handed-over link: the address and the comment in two
// boxes, OK and Cancel. It stays on top, since it usually comes up while the
// user is in the web browser and the frame may be hidden in the tray.
class QtAddLinkPrompt : public quill::AddLinkPrompt {
public:
    bool Ask(quill::LinkRecord& link) override;
};
