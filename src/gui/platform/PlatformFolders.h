#pragma once

#include <string>

// The Windows folder, where the registry editor lives; empty on systems without one.
std::string WindowsFolder();
