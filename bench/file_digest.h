#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace nodewick::bench {

// FNV-1a, 64 bits, of a file's bytes: enough to notice any change in an
// export's output between two runs. `fromLineAfter`, when not empty, leaves
// out everything up to and including the first line that starts with it, so
// that two outputs can be compared without their headers. Throws
// std::runtime_error when the file cannot be read.
std::uint64_t FileDigest(const std::filesystem::path& file, const std::string& fromLineAfter = {});

// Sixteen lower-case hex digits.
std::string DigestText(std::uint64_t digest);

}  // namespace nodewick::bench
