#pragma once

#include "app/ProgramRunner.h"

// Runs a program with QProcess: start, wait at most the given time, return.
class QtProgramRunner : public quill::ProgramRunner {
public:
    void RunAndWait(const quill::ProgramCommand& command, int timeoutMs) override;
};
