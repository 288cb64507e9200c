#pragma once

#include <cstdint>

namespace nodewick::bench {

// A small deterministic generator (xoshiro256**, seeded by splitmix64). The
// standard distributions are implementation-defined, so the same seed would
// give other boards with another library; these draws are the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) noexcept
    {
        for (auto& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t Next() noexcept
    {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    // A number in [0, n); n must be positive.
    std::uint32_t Below(std::uint32_t n) noexcept { return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32); }

    // A number in [low, high].
    std::int32_t Between(std::int32_t low, std::int32_t high) noexcept
    {
        return low + static_cast<std::int32_t>(Below(static_cast<std::uint32_t>(high - low + 1)));
    }

    // True with the given chance in a thousand.
    bool PerMille(std::uint32_t chance) noexcept { return Below(1000) < chance; }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) noexcept { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4];
};

}  // namespace nodewick::bench
