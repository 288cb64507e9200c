#include "length_text.h"

#include <cstdlib>

#include "synthetic_board.h"

namespace nodewick::bench {
namespace {

// `scaled` is the length times 10^decimals, already rounded.
std::string FixedPoint(std::int64_t scaled, int decimals)
{
    std::int64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    const std::int64_t magnitude = std::llabs(scaled);
    std::string fraction = std::to_string(magnitude % unit);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (fraction.size() > 1 && fraction.back() == '0')
        fraction.pop_back();
    return (scaled < 0 ? "-" : "") + std::to_string(magnitude / unit) + "." + fraction;
}

}  // namespace

std::string MillimetreText(std::int32_t databaseUnits)
{
    return FixedPoint(databaseUnits, 5);
}

std::string MilText(std::int32_t databaseUnits)
{
    // Ten-thousandths of a mil: database units * 10000 / 2540, to the nearest.
    const std::int64_t numerator = static_cast<std::int64_t>(databaseUnits) * 10000;
    const std::int64_t half = kDbPerMil / 2 * (numerator < 0 ? -1 : 1);
    return FixedPoint((numerator + half) / kDbPerMil, 4);
}

}  // namespace nodewick::bench
