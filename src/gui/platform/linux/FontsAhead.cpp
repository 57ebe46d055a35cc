#include "gui/platform/FontsAhead.h"

#include <fontconfig/fontconfig.h>

// Fontconfig's setup parses some fifty configuration files and maps its
// caches: the larger part of the first text's cost. It is thread-safe, and Qt
// finds it done.
FontsAhead::FontsAhead() : m_reader([] { FcInit(); }) {}

FontsAhead::~FontsAhead() {
    Wait();
}

void FontsAhead::Wait() {
    if (m_reader.joinable()) {
        m_reader.join();
    }
}
