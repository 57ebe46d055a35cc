#pragma once

#include "core/files/CrossProcessLock.h"

namespace quill::test {

// The profile's lock within one process: busy while held here or while
// another process is said to hold it.
struct FakeLock : CrossProcessLock {
    bool held = false;
    bool heldElsewhere = false;

    Attempt Take(int) override {
        if (held || heldElsewhere) {
            return Attempt::Busy;
        }
        held = true;
        return Attempt::Taken;
    }
    void Release() override { held = false; }
};

} // namespace quill::test
