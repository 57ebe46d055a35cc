#pragma once

#include "core/tasks/TaskDateTime.h"

namespace quill {

// Where "now" comes from, so that tests can set the time instead of waiting.
class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time, to the minute.
    virtual DateTime Now() const = 0;
};

} // namespace quill
