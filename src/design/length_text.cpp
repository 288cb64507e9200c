#include "design/length_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace nodewick::design {
namespace {

struct Unit {
    std::string_view name;
    std::int64_t databaseUnits;
};

constexpr Unit kUnits[] = {{"mil", kDatabaseUnitsPerMil}, {"mm", kDatabaseUnitsPerMillimetre}};

// The decimal digits of `digits` times a small factor, as decimal digits.
std::string MultiplyDecimal(std::string_view digits, std::int64_t factor)
{
    std::string product;
    std::int64_t carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        carry += (*it - '0') * factor;
        product.push_back(static_cast<char>('0' + carry % 10));
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        product.push_back(static_cast<char>('0' + carry % 10));
    std::reverse(product.begin(), product.end());
    return product;
}

// Rounds a non-negative decimal number, given as its whole part and the digits
// after the point, to the nearest whole number; exact halves go to even.
std::int64_t RoundHalfToEven(std::string_view whole, std::string_view fraction)
{
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    // Beyond 18 digits a value is far outside any 32-bit length anyway.
    if (whole.size() > 18)
        return std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (fraction.empty() || fraction[0] < '5')
        return value;
    const bool exactlyHalf = fraction[0] == '5' && fraction.find_first_not_of('0', 1) == std::string_view::npos;
    if (!exactlyHalf || value % 2 != 0)
        ++value;
    return value;
}

} // namespace

std::int32_t ParseLengthText(std::string_view text)
{
    const auto fail = [&](std::string_view why) -> LengthTextError {
        return LengthTextError("\"" + std::string(text) + "\" " + std::string(why));
    };

    std::string_view rest = text;
    const bool negative = !rest.empty() && rest[0] == '-';
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+'))
        rest.remove_prefix(1);
    const std::size_t wholeEnd = std::min(rest.find_first_not_of("0123456789"), rest.size());
    std::string_view whole = rest.substr(0, wholeEnd);
    rest.remove_prefix(wholeEnd);
    std::string_view fraction;
    if (!rest.empty() && rest[0] == '.') {
        rest.remove_prefix(1);
        const std::size_t fractionEnd = std::min(rest.find_first_not_of("0123456789"), rest.size());
        fraction = rest.substr(0, fractionEnd);
        rest.remove_prefix(fractionEnd);
    }
    if (whole.empty() && fraction.empty())
        throw fail("is not a length: it must start with a number, as in \"60mil\" or \"1.524mm\"");
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    const Unit* unit =
        std::find_if(std::begin(kUnits), std::end(kUnits), [&](const Unit& u) { return u.name == rest; });
    if (unit == std::end(kUnits) && rest.empty())
        throw fail("has no unit: write \"mil\" or \"mm\" after it (database units are an integer, not a string)");
    if (unit == std::end(kUnits))
        throw fail("has an unknown unit \"" + std::string(rest) + "\": the units are \"mil\" and \"mm\"");

    // Exactly: (whole.fraction) * unit = digits * unit / 10^fraction.size().
    std::string digits(whole);
    digits.append(fraction);
    const std::string product = MultiplyDecimal(digits, unit->databaseUnits);
    const std::size_t point = product.size() - std::min(fraction.size(), product.size());
    const std::int64_t magnitude =
        RoundHalfToEven(std::string_view(product).substr(0, point), std::string_view(product).substr(point));
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw fail("is outside the 32-bit signed range of database units (about 845466 mil or 21474 mm)");
    return static_cast<std::int32_t>(value);
}

} // namespace nodewick::design
