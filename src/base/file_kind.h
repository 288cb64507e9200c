#pragma once

#include <string_view>
#include <sys/types.h>

namespace nodewick {

// What a file system entry is, in words, for a message that refuses it: "a
// FIFO", "a character device", "a socket", "a folder"; empty for a regular
// file. Reading a FIFO or a device waits for a writer that may never come,
// so every file Nodewick reads or replaces must be a regular file.
std::string_view NonRegularKind(mode_t mode) noexcept;

}  // namespace nodewick
