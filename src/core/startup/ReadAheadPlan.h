#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quill {

// Where the web engine's files lie, as the engine itself would find them.
struct EngineLayout {
    std::string plugin; // the page plug-in, which links the engine
    std::string resourcesFolder;
    std::string localesFolder;
    std::string locale; // "de_DE.UTF-8", "pt-BR", ...
    std::string helperProgram;
};

// How the loader finds a library by name, besides the run path of the file
// that needs it.
struct LibrarySearch {
    std::vector<std::string> loaded;  // full paths already in the program's memory
    std::vector<std::string> folders; // in the order they are searched
};

struct FileToRead {
    std::string path;
    std::uint64_t size = 0;
};

// The files the first page will read, in the order it needs them: the plug-in,
// the libraries it brings in that the program has not loaded yet (followed
// through their own links), the engine's resources and the locale's strings.
// Files that would take the system's file cache past a quarter of the memory
// available are left out, so that reading ahead never pushes out what others
// are using.
std::vector<FileToRead> PlanEngineReadAhead(const EngineLayout& layout, const LibrarySearch& search,
                                            std::uint64_t memoryAvailable);

} // namespace quill
