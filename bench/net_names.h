#pragma once

#include <cstdint>
#include <string>

#include "random.h"

namespace nodewick::bench {

// A signal net name in one of the styles real designs mix: short generated
// names (N00042, NET7), bus bits, long hierarchical names of 14 characters or
// more (about two in five), names with dots, lower case, a supply-like start
// ("SHI", "+", "-") and an occasional Windows-1252 character. The number makes
// the name unique among signal names of the same style.
std::string SignalNetName(std::uint32_t number, Random& random);

// The TieNet value shared by the nets of tie group `group`; some are long.
std::string TieGroupValue(std::uint32_t group);

}  // namespace nodewick::bench
