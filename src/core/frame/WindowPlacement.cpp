#include "core/frame/WindowPlacement.h"

#include <algorithm>

namespace quill {

namespace {
// One axis: the client's start and length within the area's, the frame's
// parts before and after it included.
void Fit(int& start, int& length, int before, int after, int areaStart, int areaLength) {
    length = std::max(1, std::min(length, areaLength - before - after));
    const int lowest = areaStart + before;
    const int highest = std::max(lowest, areaStart + areaLength - after - length);
    start = std::clamp(start, lowest, highest);
}
} // namespace

ScreenRect KeepInside(ScreenRect client, FrameMargins frame, ScreenRect available) {
    if (available.width <= 0 || available.height <= 0) {
        return client; // no screen known: nothing to keep it inside
    }
    Fit(client.left, client.width, frame.left, frame.right, available.left, available.width);
    Fit(client.top, client.height, frame.top, frame.bottom, available.top, available.height);
    return client;
}

} // namespace quill
