#include "FontWarmUp.h"

// Windows keeps its font list in the system: nothing to read beforehand.
FontWarmUp::FontWarmUp() = default;
