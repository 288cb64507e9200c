#include "offset_text.h"

#include <charconv>
#include <cmath>

#include "base/units.h"
#include "output_units.h"

namespace nodewick::exporter {

namespace {

constexpr bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// The number at the start of an offset text: leading spaces skipped, an
// optional sign, digits with at most one "." among them, at least one digit.
// Empty when the text does not begin with a number; "inf" and "nan" are words.
std::string_view LeadingNumber(std::string_view text) noexcept
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    text.remove_prefix(start);
    std::size_t end = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    bool digits = false;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
        digits = true;
    }
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
            digits = true;
        }
    }
    return digits ? text.substr(0, end) : std::string_view{};
}

}  // namespace

double OffsetTextValue(std::string_view text)
{
    std::string_view number = LeadingNumber(text);
    if (number.empty())
        return 0.0;
    // from_chars takes a leading "-" but not a "+".
    if (number.starts_with('+'))
        number.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return error == std::errc{} ? value : 0.0;
}

std::optional<std::int32_t> OffsetDatabaseUnits(std::string_view text, Units units) noexcept
{
    const std::string_view number = LeadingNumber(text);
    if (number.empty())
        return 0;
    const std::optional<nodewick::Decimal> value = ParseDecimal(number);
    if (!value)
        return 0;
    return ToDatabaseUnits(*value, DatabaseUnitsPerTypedUnit(units));
}

std::string FormatOffset(double value, Units units)
{
    const bool mils = units == Units::Mils;
    char digits[400];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, mils ? 1 : 3);
    std::string_view number(digits, error == std::errc{} ? static_cast<std::size_t>(end - digits) : 0);
    // A value that rounds to zero is shown without a sign.
    if (number.starts_with('-') && number.find_first_not_of("-0.") == std::string_view::npos)
        number.remove_prefix(1);
    std::string text(number);
    text += mils ? "mil" : "mm";
    return text;
}

double OffsetLimit(Units units)
{
    return units == Units::Mils ? 9999.9 : 99.999;
}

}  // namespace nodewick::exporter
