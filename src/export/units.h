#pragma once

#include <cstdint>
#include <string_view>

#include "export_run.h"

// Database units (0.01 micrometre) against the netlist's output units: 0.0001
// inch when mils are chosen, 0.001 mm when millimetres are. Every conversion
// to whole units rounds here, halves to the even neighbour.
namespace nodewick::exporter {

// Database units per output unit.
constexpr std::int32_t UnitDivisor(Units units) noexcept
{
    return units == Units::Mils ? 254 : 100;
}

// Database units per mil or per millimetre: the unit offsets are typed in.
constexpr double UnitScale(Units units) noexcept
{
    return units == Units::Mils ? 2540.0 : 100000.0;
}

// The value of the "P  UNITS" parameter line.
constexpr std::string_view UnitsParameter(Units units) noexcept
{
    return units == Units::Mils ? "CUST" : "CUST 1";
}

// The whole number nearest to value; an exact half goes to the even neighbour.
double RoundHalfEven(double value) noexcept;

// value / divisor brought to a whole number the same way, exactly. divisor > 0.
std::int64_t DivideRoundHalfEven(std::int64_t value, std::int64_t divisor) noexcept;

} // namespace nodewick::exporter
