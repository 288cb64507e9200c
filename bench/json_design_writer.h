#pragma once

#include <cstdint>
#include <filesystem>

#include "synthetic_board.h"

namespace nodewick::bench {

// Writes the board as a JSON design file (the stand-in editor's format),
// streamed net by net. Returns the file size. Throws std::runtime_error.
std::uintmax_t WriteJsonDesign(const SyntheticBoard& board, const std::filesystem::path& file);

}  // namespace nodewick::bench
