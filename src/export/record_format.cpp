#include "record_format.h"

#include "units.h"

namespace nodewick::exporter {
namespace {

// The decimal text of value (never negative here) with zeros in front up to
// width characters.
template <std::size_t N>
ShortText<N> ZeroFilled(std::int64_t value, std::size_t width) noexcept
{
    ShortText<N> text;
    text.appendZeroFilled(static_cast<std::uint64_t>(value), width);
    return text;
}

std::int64_t Magnitude(std::int64_t value) noexcept
{
    return value < 0 ? -value : value;
}

// Whole output units of a shape size: the fraction is dropped, as the
// field has always been filled.
std::int64_t TruncatedOutputUnits(std::int32_t size, std::int32_t unitDivisor) noexcept
{
    return size / unitDivisor;
}

} // namespace

LocationText CoordText(std::int32_t location, std::int32_t offset, std::int32_t unitDivisor) noexcept
{
    LocationText text;
    // Summed in 64 bits: a location near the edge of the 32-bit range plus an
    // offset does not wrap around.
    text.outputUnits = DivideRoundHalfEven(std::int64_t{location} + offset, unitDivisor);
    const std::int64_t magnitude = Magnitude(text.outputUnits);
    if (magnitude <= kLargestLocation)
        text.digits = ZeroFilled<6>(magnitude, 6);
    return text;
}

ShortText<16> PadDrillText(std::int32_t holeDiameter, std::int32_t unitDivisor) noexcept
{
    const std::int64_t drill = DivideRoundHalfEven(holeDiameter, unitDivisor);
    ShortText<16> text;
    if (drill != 0)
        text.append("D").append(ZeroFilled<12>(drill, 4).view()).append("P");
    return text;
}

ViaDrill ViaDrillDigits(std::int32_t holeDiameter, std::int32_t unitDivisor) noexcept
{
    const DecimalText drill = Decimal(DivideRoundHalfEven(holeDiameter, unitDivisor));
    ViaDrill result;
    result.surface = drill.size() == 1;
    if (drill.size() < 4)
        result.digits.append('0', 4 - drill.size());
    result.digits.append(drill.view());
    return result;
}

SizeText PadSizeText(std::int32_t size, std::int32_t unitDivisor) noexcept
{
    std::int64_t units = TruncatedOutputUnits(size, unitDivisor);
    SizeText text;
    text.clamped = units < 0 || units > kLargestPadSize;
    units = units < 0 ? 0 : units > kLargestPadSize ? kLargestPadSize : units;
    text.digits = ZeroFilled<12>(units, 4);
    return text;
}

SizeText ViaSizeText(std::int32_t size, std::int32_t unitDivisor) noexcept
{
    const std::int64_t units = TruncatedOutputUnits(size, unitDivisor);
    SizeText text;
    text.clamped = units < 0;
    text.digits = ZeroFilled<12>(units < 0 ? 0 : units, 4);
    return text;
}

ShortText<16> RotationText(std::int32_t tenthsOfDegree) noexcept
{
    ShortText<16> text;
    if (tenthsOfDegree == 0)
        return text;
    // The degrees as the shortest decimal: whole degrees, then a decimal only
    // when the tenths are not 0.
    const std::int64_t tenths = Magnitude(tenthsOfDegree);
    ShortText<16> degrees;
    if (tenthsOfDegree < 0)
        degrees.append('-');
    degrees.appendDecimal(tenths / 10);
    if (tenths % 10 != 0)
        degrees.append('.').appendDecimal(tenths % 10);
    text.append('R');
    if (degrees.size() == 1)
        text.append('0');
    text.append(degrees.view());
    return text;
}

ShortText<20> TwoDigitText(std::int64_t n) noexcept
{
    return ZeroFilled<20>(n, 2);
}

} // namespace nodewick::exporter
