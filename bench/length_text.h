#pragma once

#include <cstdint>
#include <string>

namespace nodewick::bench {

// A length in database units as decimal millimetres (five decimals at most,
// exact) or mils (four decimals, close enough that reading it back and
// rounding to the nearest database unit gives the same length). Trailing
// zeros go, one decimal stays: "0.6", "12.0", "-1.27".
std::string MillimetreText(std::int32_t databaseUnits);
std::string MilText(std::int32_t databaseUnits);

}  // namespace nodewick::bench
