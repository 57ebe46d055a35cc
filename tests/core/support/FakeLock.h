#pragma once

#include "core/files/CrossProcessLock.h"

namespace quill::test {

// The profile's lock within one process; heldElsewhere stands for another one.
struct FakeLock : CrossProcessLock {
    bool held = false;
    bool heldElsewhere = false;

    Attempt Take(int) override { return held || heldElsewhere ? Attempt::Busy : Hold(); }
    void Release() override { held = false; }
    Attempt Hold() {
        held = true;
        return Attempt::Taken;
    }
};

} // namespace quill::test
