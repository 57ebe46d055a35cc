#pragma once

#include <string>
#include <vector>

namespace quill {

struct ProgramCommand {
    std::string program; // a full path: the program is never looked up on the search path
    std::vector<std::string> arguments;

    bool operator==(const ProgramCommand&) const = default;
};

// Starts a program and waits for it to end, at most timeoutMs; returns at once
// when the program does not start. Nothing is reported either way.
class ProgramRunner {
public:
    virtual ~ProgramRunner() = default;
    virtual void RunAndWait(const ProgramCommand& command, int timeoutMs) = 0;
};

inline constexpr int kRunAndWaitTimeoutMs = 5000;

} // namespace quill
