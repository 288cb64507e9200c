#pragma once

#include <cstdint>

#include "short_text.h"

// The field texts of the test records. Database values (0.01 micrometre) come
// in; texts in output units (see units.h) go out. Nothing here touches the
// design or the file.
namespace nodewick::exporter {

// Six digits is all the location field holds.
inline constexpr std::int64_t kLargestLocation = 999999;
// Four digits is all the feature size field of a surface pad holds.
inline constexpr std::int64_t kLargestPadSize = 9999;

// A location plus its offset in output units, as the record writes it: six
// digits of the magnitude, zero-filled, with the sign in the column before
// them (43 for X, 51 for Y) only when negative.
struct LocationText {
    std::int64_t outputUnits = 0;
    ShortText<6> digits;  // empty when the location does not fit

    bool fits() const noexcept { return digits.size() == 6; }
    bool negative() const noexcept { return outputUnits < 0; }
};

LocationText CoordText(std::int32_t location, std::int32_t offset, std::int32_t unitDivisor) noexcept;

// A pad's drill: empty for a hole that rounds to 0 output units (a surface
// pad), else "D", at least four digits, "P" (plated).
ShortText<16> PadDrillText(std::int32_t holeDiameter, std::int32_t unitDivisor) noexcept;

struct ViaDrill {
    ShortText<12> digits;  // at least four
    bool surface = false;  // the drill came to a single digit: no real hole
};

ViaDrill ViaDrillDigits(std::int32_t holeDiameter, std::int32_t unitDivisor) noexcept;

// A shape size in whole output units, the fraction dropped (not rounded).
struct SizeText {
    ShortText<12> digits;
    bool clamped = false;  // the size did not fit the field and was limited
};

// Four digits, zero-filled. A size of 10000 output units or more is written as
// 9999, the largest the field holds; a negative one as 0000. Both are clamped.
SizeText PadSizeText(std::int32_t size, std::int32_t unitDivisor) noexcept;

// At least four digits, zero-filled; larger sizes are written whole. A
// negative size is written as 0000 and is clamped.
SizeText ViaSizeText(std::int32_t size, std::int32_t unitDivisor) noexcept;

// "R" and the degrees of a rotation given in tenths of a degree: at least two
// digits, a decimal only when there is one (R05, R90, R180, R45.5). Empty for
// no rotation.
ShortText<16> RotationText(std::int32_t tenthsOfDegree) noexcept;

// The decimal text of n with a leading 0 when it has one character: access
// codes and layer positions (00, 01, 12, 123).
ShortText<20> TwoDigitText(std::int64_t n) noexcept;

} // namespace nodewick::exporter
