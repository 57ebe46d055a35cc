#pragma once

namespace quill {

// A lock other processes honour, held by one process at a time. The logic
// says when it needs the lock; how the lock is kept on disk, and when one left
// by a process that is gone is taken over, belongs to the implementation (for
// the profile, Qt's lock file, which QSettings honours too).
class CrossProcessLock {
public:
    enum class Attempt {
        Taken,
        Busy,   // another process holds it
        Failed, // it cannot be made here (the folder does not allow it)
    };

    virtual ~CrossProcessLock() = default;
    // Never waits when waitMs is 0; otherwise keeps trying for at most waitMs.
    virtual Attempt Take(int waitMs) = 0;
    virtual void Release() = 0;
};

// Holds a lock from its construction until Release or the end of its scope.
class HeldLock {
public:
    HeldLock(CrossProcessLock& lock, int waitMs) : m_lock(lock), m_attempt(lock.Take(waitMs)) {}
    ~HeldLock() { Release(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    CrossProcessLock::Attempt Result() const { return m_attempt; }
    bool Taken() const { return m_attempt == CrossProcessLock::Attempt::Taken && !m_released; }
    void Release() {
        if (Taken()) {
            m_released = true;
            m_lock.Release();
        }
    }

private:
    CrossProcessLock& m_lock;
    CrossProcessLock::Attempt m_attempt;
    bool m_released = false;
};

} // namespace quill
