#pragma once

#include <cstdint>

namespace quill {

// The main window's whole-window alpha (0 invisible, 255 opaque).
class WindowAlpha {
public:
    virtual ~WindowAlpha() = default;
    virtual void SetAlpha(std::uint8_t alpha) = 0;
};

} // namespace quill
