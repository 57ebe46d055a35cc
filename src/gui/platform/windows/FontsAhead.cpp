#include "FontsAhead.h"

// Windows keeps its fonts ready in the system: nothing to read ahead.
FontsAhead::FontsAhead() = default;

FontsAhead::~FontsAhead() = default;

void FontsAhead::Wait() {}
