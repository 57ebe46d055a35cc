#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while Qt
// starts, so that the first text drawn does not wait for it. Waits for the
// thread when it goes.
class FontWarmUp {
public:
    FontWarmUp();

private:
    std::jthread m_thread;
};
