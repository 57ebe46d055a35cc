#pragma once

#include "core/app/InstanceRequest.h"

#include <QString>
#include <optional>

// What the command line asks for. Parsed before any window system is
// reached, so --help and --version work without a display.
struct CommandLineChoice {
    // Set for --help, --version and a command line that cannot be read: the
    // program prints its answer and ends with this status.
    std::optional<int> exitStatus;
    // Sent to a running instance, or applied to this one once it runs.
    quill::InstanceRequest request = quill::InstanceRequest::Show;
    bool verbose = false;
    // Qt's -platform value, empty without one.
    QString platform;
};

CommandLineChoice ParseCommandLine(int argc, char* argv[]);

// Takes Qt's -platform option out of the arguments, once the platform has been
// chosen: the choice goes to Qt through QT_QPA_PLATFORM.
void DropPlatformArgument(int& argc, char* argv[]);
