#include "design/length_text.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/error.h"
#include "base/units.h"

namespace nodewick::design {
namespace {

struct Unit {
    std::string_view name;
    std::int64_t databaseUnits;
};

constexpr Unit kUnits[] = {{"mil", kDatabaseUnitsPerMil}, {"mm", kDatabaseUnitsPerMillimetre}};

// The number at the start of a length text: a sign, digits and an optional
// point with more digits. What follows it is the unit.
std::size_t NumberLength(std::string_view text) noexcept
{
    std::size_t end = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.'))
        ++end;
    return end;
}

}  // namespace

std::int32_t ParseLengthText(std::string_view text)
{
    const auto fail = [&](std::string_view why) {
        return DesignError("\"" + std::string(text) + "\" " + std::string(why));
    };

    const std::size_t numberEnd = NumberLength(text);
    const std::optional<Decimal> number = ParseDecimal(text.substr(0, numberEnd));
    if (!number)
        throw fail("is not a length: it must start with a number, as in \"60mil\" or \"1.524mm\"");
    std::string_view rest = text.substr(numberEnd);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    const Unit* unit = std::find_if(std::begin(kUnits), std::end(kUnits),
                                    [&](const Unit& u) { return u.name == rest; });
    if (unit == std::end(kUnits) && rest.empty())
        throw fail("has no unit: write \"mil\" or \"mm\" after it (database units are an integer, not a string)");
    if (unit == std::end(kUnits))
        throw fail("has an unknown unit \"" + std::string(rest) + "\": the units are \"mil\" and \"mm\"");
    const std::optional<std::int32_t> value = ToDatabaseUnits(*number, unit->databaseUnits);
    if (!value)
        throw fail("is outside the 32-bit signed range of database units (about 845466 mil or 21474 mm)");
    return *value;
}

}  // namespace nodewick::design
