#pragma once

#include <QString>

#include <atomic>
#include <thread>

// Has the system read the web engine's files, found from the page plug-in,
// into its file cache on a thread of the lowest priority, so that the first
// page does not wait for the disk. Nothing is mapped or loaded: the program's
// own memory stays as it is. The end of the object stops the reading between
// two steps.
class EngineReadAhead {
public:
    explicit EngineReadAhead(const QString& plugin);
    ~EngineReadAhead();
    EngineReadAhead(const EngineReadAhead&) = delete;
    EngineReadAhead& operator=(const EngineReadAhead&) = delete;

private:
    std::atomic<bool> m_stop{false};
    std::thread m_reader;
};
