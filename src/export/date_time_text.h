#pragma once

#include <ctime>
#include <string>

namespace nodewick::exporter {

// The date and time of day for the netlist header, in the regional short
// formats the environment's LC_TIME names ("%x %X"). When SOURCE_DATE_EPOCH is
// set, its instant in UTC is shown instead of now, so that a netlist can be
// reproduced byte for byte. Throws std::runtime_error when SOURCE_DATE_EPOCH
// is not a whole number of seconds.
std::string DateTimeText();

// The same for a given instant, in UTC or local time.
std::string DateTimeText(std::time_t instant, bool utc);

}  // namespace nodewick::exporter
