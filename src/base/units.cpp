#include "base/units.h"

#include <limits>

namespace nodewick {
namespace {

__extension__ typedef __int128 Wide;

constexpr bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

constexpr bool AllDigits(std::string_view text) noexcept
{
    for (const char c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

// Beyond this many digits after the point, a digit only tells whether the
// value lies above an exact half: 18 digits resolve far finer than one
// database unit for every unit there is.
constexpr std::size_t kExactFractionDigits = 18;
// A whole part of more digits than this is beyond 32 bits of database units
// whatever the unit.
constexpr std::size_t kLargestWholeDigits = 10;

} // namespace

std::optional<Decimal> ParseDecimal(std::string_view text) noexcept
{
    Decimal value;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        value.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    value.whole = text.substr(0, point);
    if (point != std::string_view::npos)
        value.fraction = text.substr(point + 1);
    if (value.whole.empty() && value.fraction.empty())
        return std::nullopt;
    if (!AllDigits(value.whole) || !AllDigits(value.fraction))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ToDatabaseUnits(const Decimal& value, std::int64_t unitsPerUnit) noexcept
{
    std::string_view whole = value.whole;
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > kLargestWholeDigits)
        return std::nullopt;

    const std::string_view exact = value.fraction.substr(0, kExactFractionDigits);
    const std::string_view beyond = value.fraction.substr(exact.size());
    const bool sticky = beyond.find_first_not_of('0') != std::string_view::npos;

    // (whole.exact) * unitsPerUnit = digits * unitsPerUnit / 10^exact.size().
    Wide digits = 0;
    for (const char c : whole)
        digits = digits * 10 + (c - '0');
    Wide divisor = 1;
    for (const char c : exact) {
        digits = digits * 10 + (c - '0');
        divisor *= 10;
    }
    const Wide product = digits * unitsPerUnit;
    Wide quotient = product / divisor;
    const Wide twice = 2 * (product % divisor);
    // Dropped digits that are not all zero put the value above what the kept
    // digits say, so an apparent exact half is in fact more than half.
    if (twice > divisor || (twice == divisor && (sticky || quotient % 2 != 0)))
        ++quotient;
    const Wide result = value.negative ? -quotient : quotient;
    if (result < std::numeric_limits<std::int32_t>::min() || result > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(result);
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

} // namespace nodewick
