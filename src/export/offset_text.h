#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "export_run.h"

namespace nodewick::exporter {

// The value of an offset text: the number at its start, with "." as the
// decimal point whatever the locale; 0 when the text does not begin with one.
// A unit suffix such as "mil" or "mm" is ignored.
double OffsetTextValue(std::string_view text);

// The same number in database units, exactly (no binary fraction on the way)
// and rounded halves to even, for a text typed in mils or in millimetres.
// Nothing when it lies beyond the 32-bit range of database units.
std::optional<std::int32_t> OffsetDatabaseUnits(std::string_view text, Units units) noexcept;

// An offset in the display format of the unit: one decimal and "mil", or three
// decimals and "mm"; at least one digit before the point, no grouping.
std::string FormatOffset(double value, Units units);

// The largest offset accepted in the unit: 9999.9 mil or 99.999 mm.
double OffsetLimit(Units units);

}  // namespace nodewick::exporter
