#pragma once

#ifdef _WIN32
#include <filesystem>
#include <string>

namespace quill {

// Creates an empty file where there is none; true when the file exists afterwards.
bool CreateNewEmptyFile(const std::filesystem::path& path);

// Replaces target with bytes through the new file temporaryPath: an existing
// target that cannot be read is refused, the bytes are flushed before the swap,
// and a target that appeared since the check is never overwritten.
bool ReplaceWithNewContents(const std::filesystem::path& target,
                            const std::filesystem::path& temporaryPath, const std::string& bytes);

} // namespace quill
#endif
