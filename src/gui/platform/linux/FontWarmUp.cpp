#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

// Qt's font database asks fontconfig for the same configuration; fontconfig
// makes it once per process and hands the finished one to every later caller.
FontWarmUp::FontWarmUp() : m_thread([] { FcInit(); }) {}
