#include "base/units.h"

#include <array>
#include <limits>

namespace nodewick {
namespace {

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
// A quotient above this is out of range whatever its sign and rounding.
constexpr std::int64_t kBeyondInt32 = std::int64_t{1} << 32;

// A product in decimal, least significant digit first.
struct DecimalProduct {
    std::array<std::uint8_t, 64> digits{};
    std::size_t count = 0;
};

// The number written by the digits of whole and then fraction, times factor.
// At most 28 digits come in and factor has at most 20, so 64 places hold the
// product.
DecimalProduct MultiplyDigits(std::string_view whole, std::string_view fraction, std::uint64_t factor) noexcept
{
    DecimalProduct product;
    std::uint64_t carry = 0;
    const auto multiply = [&](std::string_view digits) {
        for (std::size_t i = digits.size(); i > 0; --i) {
            const std::uint64_t place = static_cast<std::uint64_t>(digits[i - 1] - '0') * factor + carry;
            product.digits[product.count++] = static_cast<std::uint8_t>(place % 10);
            carry = place / 10;
        }
    };
    multiply(fraction);
    multiply(whole);
    for (; carry != 0; carry /= 10)
        product.digits[product.count++] = static_cast<std::uint8_t>(carry % 10);
    return product;
}

// Compares the product's last `places` digits, a fraction of 10^places, with
// one half: negative below, 0 at exactly a half, positive above.
int CompareWithHalf(const DecimalProduct& product, std::size_t places) noexcept
{
    if (places == 0)
        return -1;
    const auto digitAt = [&](std::size_t place) { return place < product.count ? product.digits[place] : 0; };
    if (digitAt(places - 1) != 5)
        return digitAt(places - 1) > 5 ? 1 : -1;
    for (std::size_t place = places - 1; place > 0; --place) {
        if (digitAt(place - 1) != 0)
            return 1;
    }
    return 0;
}

}  // namespace

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

    // (whole.exact) * unitsPerUnit = digits * unitsPerUnit / 10^exact.size(),
    // multiplied out in decimal: the product's last exact.size() digits are
    // the remainder, the ones before them the quotient. No integer wider than
    // 64 bits is needed, so every compiler computes the same.
    const DecimalProduct product = MultiplyDigits(whole, exact, static_cast<std::uint64_t>(unitsPerUnit));
    const std::size_t fractionDigits = exact.size();
    std::int64_t quotient = 0;
    for (std::size_t place = product.count; place > fractionDigits; --place) {
        quotient = quotient * 10 + product.digits[place - 1];
        if (quotient > kBeyondInt32)
            return std::nullopt;
    }
    const int half = CompareWithHalf(product, fractionDigits);
    // Dropped digits that are not all zero put the value above what the kept
    // digits say, so an apparent exact half is in fact more than half.
    if (half > 0 || (half == 0 && (sticky || quotient % 2 != 0)))
        ++quotient;
    const std::int64_t result = value.negative ? -quotient : quotient;
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

}  // namespace nodewick
