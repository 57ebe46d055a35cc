#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quill {

// What an ELF program or shared library asks the loader for: the libraries
// loaded with it (by name, in order) and the folders searched for them first.
struct ElfLinks {
    std::vector<std::string> needed;
    std::string runPath; // ':'-separated, "$ORIGIN" unexpanded; empty for none
};

// Reads the dynamic section with a few small reads at its offsets, never the
// whole file (a web engine's library is some 150 MB). Nullopt for a file that
// is no readable ELF file; what lies outside the file is left out.
std::optional<ElfLinks> ReadElfLinks(const std::string& path);

} // namespace quill
