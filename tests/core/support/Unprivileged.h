#pragma once

#include <filesystem>
#include <functional>

namespace quill::test {

// Runs check() in a child process whose working folder is folder, where file
// permissions apply: a child of root gives up root first. check() should name
// files relative to folder, because the folders above it may be closed to an
// unprivileged user (a private TMPDIR). True when check() returned true, so
// check() should answer whether all is as it should be: a child that could not
// even start then fails the test.
bool RunUnprivileged(const std::filesystem::path& folder, const std::function<bool()>& check);

} // namespace quill::test
