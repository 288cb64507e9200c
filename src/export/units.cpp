#include "units.h"

#include <cmath>

namespace nodewick::exporter {

double RoundHalfEven(double value) noexcept
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

std::int64_t DivideRoundHalfEven(std::int64_t value, std::int64_t divisor) noexcept
{
    // Floor division first, so that the remainder is never negative.
    std::int64_t quotient = value / divisor;
    std::int64_t remainder = value % divisor;
    if (remainder < 0) {
        --quotient;
        remainder += divisor;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace nodewick::exporter
