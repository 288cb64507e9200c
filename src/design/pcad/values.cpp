#include "design/pcad/values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/units.h"

namespace nodewick::design::pcad {
namespace {

// Largest magnitude accepted for any number: far beyond any board, small
// enough that every later product stays finite and exact enough.
constexpr double kLargestNumber = 1e12;

bool IsNumberChar(char c) noexcept
{
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+';
}

struct SplitNumber {
    std::string_view digits;
    std::string_view unit;
};

SplitNumber SplitUnit(std::string_view word) noexcept
{
    std::size_t end = 0;
    while (end < word.size() && IsNumberChar(word[end]))
        ++end;
    return {word.substr(0, end), word.substr(end)};
}

// A plain decimal such as -3.0, +12 or .5 (base's ParseDecimal decides what
// is one) as a floating-point number, for angles; nothing for anything else.
std::optional<double> ParseNumber(std::string_view digits) noexcept
{
    if (!nodewick::ParseDecimal(digits))
        return std::nullopt;
    if (digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (!std::isfinite(value) || std::fabs(value) > kLargestNumber)
        return std::nullopt;
    return value;
}

}  // namespace

std::int64_t DatabaseUnitsPer(Unit unit) noexcept
{
    switch (unit) {
    case Unit::Mil:
        return kDatabaseUnitsPerMil;
    case Unit::Millimetre:
        return kDatabaseUnitsPerMillimetre;
    case Unit::Inch:
        return kDatabaseUnitsPerInch;
    }
    return 0;
}

std::optional<Unit> UnitFromWord(std::string_view word) noexcept
{
    if (EqualsIgnoringCase(word, "mil"))
        return Unit::Mil;
    if (EqualsIgnoringCase(word, "mm"))
        return Unit::Millimetre;
    if (EqualsIgnoringCase(word, "in"))
        return Unit::Inch;
    return std::nullopt;
}

std::int32_t RoundToDatabaseUnits(double databaseUnits, std::uint32_t line, const Reporter& reporter)
{
    // The default floating-point rounding mode takes an exact half to the
    // even neighbour.
    const double rounded = std::nearbyint(databaseUnits);
    if (!(std::fabs(rounded) <= std::numeric_limits<std::int32_t>::max()))
        reporter.fail(line, "a coordinate or size is beyond the range of the design database (about 21 metres)");
    return static_cast<std::int32_t>(rounded);
}

std::int32_t ToTenthsOfDegree(double degrees, std::uint32_t line, const Reporter& reporter)
{
    const double tenths = std::round(degrees * 10.0);
    if (!(std::fabs(tenths) <= 1e15))
        reporter.fail(line, "an angle is out of range");
    const auto wrapped = static_cast<std::int64_t>(tenths) % 3600;
    return static_cast<std::int32_t>(wrapped < 0 ? wrapped + 3600 : wrapped);
}

ValueReader::ValueReader(ListView list, Unit fileUnit, const Reporter& reporter) noexcept
    : list_(list), next_(list.begin()), fileUnit_(fileUnit), reporter_(reporter)
{
}

bool ValueReader::atEnd() noexcept
{
    while (next_ != list_.end() && (*next_).kind == ElementKind::List)
        ++next_;
    return !(next_ != list_.end());
}

void ValueReader::fail(const Element& at, std::string_view message) const
{
    reporter_.fail(at.line, "in (" + std::string(list_.keyword()) + " ...): " + std::string(message));
}

Element ValueReader::take(std::string_view expected)
{
    if (atEnd())
        reporter_.fail(list_.line(),
                       "in (" + std::string(list_.keyword()) + " ...): " + std::string(expected) + " is missing");
    const Element element = *next_;
    ++next_;
    return element;
}

Length ValueReader::length()
{
    const Element element = take("a length");
    const SplitNumber split = SplitUnit(element.text);
    const std::optional<nodewick::Decimal> value = element.kind == ElementKind::Word
        ? nodewick::ParseDecimal(split.digits)
        : std::nullopt;
    if (!value)
        fail(element, "expected a number, found " + Quoted(element.text));
    Unit unit = fileUnit_;
    if (!split.unit.empty()) {
        const std::optional<Unit> glued = UnitFromWord(split.unit);
        if (!glued)
            fail(element, "unknown unit " + Quoted(split.unit) + " in " + Quoted(element.text));
        unit = *glued;
    } else if (!atEnd() && (*next_).kind == ElementKind::Word) {
        if (const std::optional<Unit> following = UnitFromWord((*next_).text)) {
            unit = *following;
            ++next_;
        }
    }
    const std::optional<std::int32_t> databaseUnits = nodewick::ToDatabaseUnits(*value, DatabaseUnitsPer(unit));
    if (!databaseUnits)
        fail(element, Quoted(element.text) + " is beyond the range of the design database (about 21 metres)");
    return {*databaseUnits};
}

double ValueReader::number()
{
    const Element element = take("a number");
    const std::optional<double> value = element.kind == ElementKind::Word ? ParseNumber(element.text) : std::nullopt;
    if (!value)
        fail(element, "expected a number, found " + Quoted(element.text));
    return *value;
}

std::int32_t ValueReader::integer()
{
    const Element element = take("a whole number");
    std::string_view digits = element.text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (element.kind != ElementKind::Word || digits.empty() || error != std::errc() ||
        end != digits.data() + digits.size())
        fail(element, "expected a whole number, found " + Quoted(element.text));
    return value;
}

std::string ValueReader::text()
{
    const Element element = take("a text");
    std::string text = element.kind == ElementKind::String ? Unescape(element.text) : std::string(element.text);
    // A NUL would cut the text short inside its DBX field: a net "GND\0X"
    // would become the net "GND".
    if (text.find('\0') != std::string::npos)
        fail(element, "a text holds a NUL byte, which would end it inside its DBX field");
    return text;
}

bool ValueReader::boolean()
{
    const Element element = take("True or False");
    if (element.kind == ElementKind::Word && EqualsIgnoringCase(element.text, "True"))
        return true;
    if (element.kind == ElementKind::Word && EqualsIgnoringCase(element.text, "False"))
        return false;
    fail(element, "expected True or False, found " + Quoted(element.text));
}

std::string_view ValueReader::word()
{
    const Element element = take("a word");
    if (element.kind != ElementKind::Word)
        fail(element, "expected a word, found " + Quoted(element.text));
    return element.text;
}

Length LengthOf(ListView list, Unit fileUnit, const Reporter& reporter)
{
    return ValueReader(list, fileUnit, reporter).length();
}

double NumberOf(ListView list, const Reporter& reporter)
{
    return ValueReader(list, Unit::Mil, reporter).number();
}

std::int32_t IntegerOf(ListView list, const Reporter& reporter)
{
    return ValueReader(list, Unit::Mil, reporter).integer();
}

std::string TextOf(ListView list, const Reporter& reporter)
{
    return ValueReader(list, Unit::Mil, reporter).text();
}

bool BooleanOf(ListView list, const Reporter& reporter)
{
    return ValueReader(list, Unit::Mil, reporter).boolean();
}

std::string_view WordOf(ListView list, const Reporter& reporter)
{
    return ValueReader(list, Unit::Mil, reporter).word();
}

double NumberOfChild(ListView list, std::string_view keyword, double missing, const Reporter& reporter)
{
    const std::optional<ListView> child = list.find(keyword);
    return child ? NumberOf(*child, reporter) : missing;
}

bool BooleanOfChild(ListView list, std::string_view keyword, bool missing, const Reporter& reporter)
{
    const std::optional<ListView> child = list.find(keyword);
    return child ? BooleanOf(*child, reporter) : missing;
}

std::optional<std::string> TextOfChild(ListView list, std::string_view keyword, const Reporter& reporter)
{
    const std::optional<ListView> child = list.find(keyword);
    if (!child)
        return std::nullopt;
    return TextOf(*child, reporter);
}

ItemPlace ReadItemPlace(ListView item, std::string_view itemName, Unit fileUnit, const Reporter& reporter)
{
    const std::optional<ListView> point = item.find("pt");
    if (!point)
        reporter.fail(item.line(), std::string(itemName) + " has no position (pt)");
    ItemPlace place;
    ValueReader position(*point, fileUnit, reporter);
    place.x = position.length();
    place.y = position.length();
    place.rotation = NumberOfChild(item, "rotation", 0.0, reporter);
    place.flipped = BooleanOfChild(item, "isFlipped", false, reporter);
    return place;
}

std::string NameOf(ListView list, const Reporter& reporter)
{
    return TextOf(list, reporter);
}

}  // namespace nodewick::design::pcad
