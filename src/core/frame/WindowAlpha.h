#pragma once

#include <cstdint>

namespace quill {

// The main window's whole-window alpha (0 invisible, 255 opaque).
class WindowAlpha {
public:
    virtual ~WindowAlpha() = default;
    virtual void SetAlpha(std::uint8_t alpha) = 0;
};

// Both do nothing where translucency is not available (layered false).
void MakeOpaque(bool layered, WindowAlpha& window);
void MakeTranslucent(bool layered, int level, WindowAlpha& window);

} // namespace quill
