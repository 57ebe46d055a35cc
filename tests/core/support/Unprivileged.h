#pragma once

#include <filesystem>
#include <functional>

namespace quill::test {

// Runs check() as an unprivileged child working in folder (name files relative
// to it: the folders above may be closed to that user); true only when check()
// ran and returned true, so a child that could not even start fails the test.
bool RunUnprivileged(const std::filesystem::path& folder, const std::function<bool()>& check);

} // namespace quill::test
