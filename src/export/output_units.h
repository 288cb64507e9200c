#pragma once

#include <cstdint>
#include <string_view>

#include "base/units.h"
#include "export_run.h"

// The netlist's output units against database units (0.01 micrometre): with
// mils chosen an output unit is 0.0001 inch, with millimetres 0.001 mm.
// Locations and drills are rounded into them with base DivideRoundHalfEven;
// shape sizes are truncated (below).
namespace nodewick::exporter {

// Database units per output unit.
constexpr std::int32_t UnitDivisor(Units units) noexcept
{
    return units == Units::Mils ? 254 : 100;
}

// Database units per mil or per millimetre: the unit offsets are typed in.
constexpr std::int64_t DatabaseUnitsPerTypedUnit(Units units) noexcept
{
    return units == Units::Mils ? kDatabaseUnitsPerMil : kDatabaseUnitsPerMillimetre;
}

// The value of the "P  UNITS" parameter line.
constexpr std::string_view UnitsParameter(Units units) noexcept
{
    return units == Units::Mils ? "CUST" : "CUST 1";
}

// A shape size in whole output units: the fraction is dropped, not rounded,
// as the size fields have always been filled (1234.96 units give 1234).
constexpr std::int64_t TruncatedOutputUnits(std::int32_t size, std::int32_t unitDivisor) noexcept
{
    return size / unitDivisor;
}

}  // namespace nodewick::exporter
