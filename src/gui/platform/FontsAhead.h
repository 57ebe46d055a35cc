#pragma once

#include <thread>

// Reads the system's font configuration on a second thread while Qt connects
// to the display, so that the window's first text need not wait for it. Wait
// (or the end of the object) joins the thread; call it before the first widget
// is made, so that Qt does not read the configuration a second time.
class FontsAhead {
public:
    FontsAhead();
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

    void Wait();

private:
    std::thread m_reader;
};
