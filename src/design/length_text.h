#pragma once

#include <cstdint>
#include <string_view>

namespace nodewick::design {

// Converts a length written with its unit ("60mil", "1.524mm", "-0.5 mm") to
// database units, exactly and by the one rounding rule of base/units.h (an
// exact half goes to the even unit). Throws nodewick::DesignError whose
// message is the reason alone; the reader adds the file and the place.
std::int32_t ParseLengthText(std::string_view text);

}  // namespace nodewick::design
