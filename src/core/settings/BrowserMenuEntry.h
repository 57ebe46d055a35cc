#pragma once

#include <string>

namespace quill {

// The "Add link" entry of the web browser's context menu: added while browser
// integration is on, removed while it is off.
class BrowserMenuEntry {
public:
    virtual ~BrowserMenuEntry() = default;
    virtual void Apply(bool integrate, const std::string& extensionPage) = 0;
};

} // namespace quill
