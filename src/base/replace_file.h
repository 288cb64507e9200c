#pragma once

#include <string>

namespace nodewick {

// Moves the file at from to the path to, replacing a file already there, as
// one step: a reader sees the old file or the new one, never neither. The two
// paths must be on the same volume. Returns 0 or an errno value saying why it
// failed (on Windows the system's error mapped to the nearest errno value).
int RenameReplacing(const std::string& from, const std::string& to) noexcept;

}  // namespace nodewick
