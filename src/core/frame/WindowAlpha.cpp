#include "core/frame/WindowAlpha.h"

#include "core/settings/Transparency.h"

namespace quill {

void MakeOpaque(bool layered, WindowAlpha& window) {
    if (layered) {
        window.SetAlpha(255);
    }
}

void MakeTranslucent(bool layered, int level, WindowAlpha& window) {
    if (layered) {
        window.SetAlpha(AlphaForLevel(level));
    }
}

} // namespace quill
