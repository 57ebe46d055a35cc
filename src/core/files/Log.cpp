#include "core/files/Log.h"

#include <atomic>

namespace quill {

namespace {
std::atomic<LogSink*> g_sink{nullptr};

void Write(LogArea area, LogLevel level, std::string_view message) {
    if (LogSink* sink = g_sink.load()) {
        sink->Write(area, level, message);
    }
}
} // namespace

void SetLogSink(LogSink* sink) {
    g_sink.store(sink);
}

void LogStep(LogArea area, std::string_view message) {
    Write(area, LogLevel::Debug, message);
}

void LogFailure(LogArea area, std::string_view message) {
    Write(area, LogLevel::Warning, message);
}

} // namespace quill
