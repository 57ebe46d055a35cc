#pragma once

#include "tasks/TaskDateTime.h"

namespace quill {

// The local date and time, to the minute.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

} // namespace quill
