#pragma once

#include <functional>

namespace quill::test {

// Runs check() where file permissions apply: as root, in a child process that
// has given up root; otherwise directly. Returns what check() returned.
bool RunUnprivileged(const std::function<bool()>& check);

} // namespace quill::test
