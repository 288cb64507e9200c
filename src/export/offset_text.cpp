#include "offset_text.h"

#include <charconv>
#include <cmath>

namespace nodewick::exporter {

double OffsetTextValue(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return 0.0;
    text.remove_prefix(start);
    // from_chars takes a leading "-" but not a "+".
    if (text.starts_with('+'))
        text.remove_prefix(1);
    // Only digits make a number here: "inf" and "nan" are words.
    const std::size_t first = text.starts_with('-') ? 1 : 0;
    if (first >= text.size() || (text[first] != '.' && (text[first] < '0' || text[first] > '9')))
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return error == std::errc{} ? value : 0.0;
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

} // namespace nodewick::exporter
