#pragma once

#include <cstdint>
#include <filesystem>

namespace nodewick::bench {

// The floor an export's time is measured against: the seconds it takes to
// write `bytes` bytes into a new file in `folder` with one buffered write
// (fopen, one fwrite of a ready buffer, fclose), the best of `tries`. The
// file is removed afterwards. Throws std::runtime_error on a file error.
double WriteFloorSeconds(const std::filesystem::path& folder, std::uintmax_t bytes, int tries = 3);

}  // namespace nodewick::bench
