#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace nodewick::design {

// Database units: DBX lengths and coordinates are whole multiples of
// 0.01 micrometre.
inline constexpr std::int64_t kDatabaseUnitsPerMil = 2540;
inline constexpr std::int64_t kDatabaseUnitsPerMillimetre = 100000;

// A length text that is not a number with a known unit, or whose value does
// not fit a 32-bit signed database-unit value.
class LengthTextError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Converts a length written with its unit ("60mil", "1.524mm", "-0.5 mm") to
// database units. The decimal value is converted exactly and rounded to the
// nearest unit; a value exactly half-way between two units goes to the even
// one (0.5 to 0, 1.5 to 2, -2.5 to -2). Throws LengthTextError.
std::int32_t ParseLengthText(std::string_view text);

} // namespace nodewick::design
