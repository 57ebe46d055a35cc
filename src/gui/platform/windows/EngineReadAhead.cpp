#include "EngineReadAhead.h"

// Windows keeps its own record of what a program reads as it starts and
// fetches it ahead by itself.
EngineReadAhead::EngineReadAhead(const QString&) {}

EngineReadAhead::~EngineReadAhead() = default;
