#pragma once

namespace quill {

// The "Add link" entry of the web browser's context menu: added while browser
// integration is on, removed while it is off.
class BrowserMenuEntry {
public:
    virtual ~BrowserMenuEntry() = default;
    virtual void Apply(bool integrate) = 0;
};

} // namespace quill
