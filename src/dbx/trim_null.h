#pragma once

#include <string>
#include <string_view>

namespace nodewick::dbx {

// Turns the full content of a fixed-length DBX text field into plain text:
// everything from the first NUL on is dropped (stray bytes after it too), then
// leading and trailing spaces (code 32 only) are removed.
std::string TrimNull(std::string_view field);

// The same text as a view into field, for readers that need no copy.
std::string_view TrimNullView(std::string_view field) noexcept;

}  // namespace nodewick::dbx
