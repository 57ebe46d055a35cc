#pragma once

#include <cstddef>

namespace quill {

// The call that hands a data file's bytes to the system (write() where there
// is one). Like write(), it may take fewer bytes than offered, be interrupted
// (-1 with errno EINTR) or fail (-1); the safe writer copes with all three.
using WriteCall = std::ptrdiff_t (*)(int fd, const void* data, std::size_t size);

// Puts call in the system's place and returns the call it replaces, so that
// tests can make writes short, interrupted or failing as a full disk does.
WriteCall SwapWriteCall(WriteCall call);

} // namespace quill
