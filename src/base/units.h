#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Database units, the one length unit of the design database and of every DBX
// record: whole multiples of 0.01 micrometre. Every length that comes in as a
// decimal number (a design file, a typed offset) reaches them through
// ToDatabaseUnits, so that all of them round the same way.
namespace nodewick {

inline constexpr std::int64_t kDatabaseUnitsPerMil = 2540;
inline constexpr std::int64_t kDatabaseUnitsPerMillimetre = 100000;
inline constexpr std::int64_t kDatabaseUnitsPerInch = 1000 * kDatabaseUnitsPerMil;

// A decimal number exactly as it was written: its digits as views into the
// text. Nothing of it has been through a binary fraction.
struct Decimal {
    bool negative = false;
    std::string_view whole;     // the digits before the point
    std::string_view fraction;  // the digits after it
};

// A plain decimal: an optional sign, digits, an optional point with more
// digits ("-3.0", "+12", ".5", "7."). Nothing for anything else, exponents
// included.
std::optional<Decimal> ParseDecimal(std::string_view text) noexcept;

// The value times unitsPerUnit, rounded to the nearest whole number, an exact
// half to the even neighbour (0.5 to 0, 1.5 to 2, -2.5 to -2), computed
// exactly. Nothing when the result is beyond the 32-bit signed range of
// database units.
std::optional<std::int32_t> ToDatabaseUnits(const Decimal& value, std::int64_t unitsPerUnit) noexcept;

// value / divisor rounded the same way, exactly. divisor > 0.
std::int64_t DivideRoundHalfEven(std::int64_t value, std::int64_t divisor) noexcept;

}  // namespace nodewick
