#include "write_floor.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace nodewick::bench {

double WriteFloorSeconds(const std::filesystem::path& folder, std::uintmax_t bytes, int tries)
{
    // Test-record-like lines, so the buffer is not a run of one byte.
    std::vector<char> buffer(static_cast<std::size_t>(bytes));
    static constexpr char kLine[] = "327NET1234          R1234 -1             A01X 012345Y 005000X0600Y0200R90  S1\r\n";
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = kLine[i % (sizeof kLine - 1)];

    const std::filesystem::path file = folder / "write-floor.tmp";
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < tries; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        if (out == nullptr)
            throw std::runtime_error(file.string() + ": cannot create: " + std::strerror(errno));
        const bool written = std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
        const bool closed = std::fclose(out) == 0;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::filesystem::remove(file);
        if (!written || !closed)
            throw std::runtime_error(file.string() + ": cannot write: " + std::strerror(errno));
        best = std::min(best, seconds);
    }
    return best;
}

}  // namespace nodewick::bench
