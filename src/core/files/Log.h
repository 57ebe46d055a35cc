#pragma once

#include <string_view>

namespace quill {

// Where the logic layer says what it does and what failed, without knowing
// how the program shows it (the Qt layer maps each area to a logging category).
enum class LogArea { Files, HandOver, Lock, Reminders };
enum class LogLevel { Debug, Warning };

class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void Write(LogArea area, LogLevel level, std::string_view message) = 0;
};

// The sink every message goes to; none (the default) drops them.
void SetLogSink(LogSink* sink);

void LogStep(LogArea area, std::string_view message);
void LogFailure(LogArea area, std::string_view message);

} // namespace quill
