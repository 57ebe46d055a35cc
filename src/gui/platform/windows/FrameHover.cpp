#include "FrameHover.h"

// Windows reports the caption's mouse moves to the window itself; the cursor
// poll runs while the window shows.
struct FrameHover::Watch {};

FrameHover::FrameHover(QWidget&, std::function<void(bool)>) {}

FrameHover::~FrameHover() = default;

bool FrameHover::Watching() const {
    return false;
}
