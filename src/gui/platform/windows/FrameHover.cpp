#include "FrameHover.h"

// Windows draws the caption outside Qt's enter and leave: with nothing
// reported, the cursor poll runs while the window shows.
struct FrameHover::Watch {};

FrameHover::FrameHover(QWidget&, std::function<void(bool)>) {}

FrameHover::~FrameHover() = default;

bool FrameHover::Unframed() const {
    return false;
}
