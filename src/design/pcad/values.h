#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "design/pcad/document.h"
#include "design/pcad/reporter.h"

namespace nodewick::design::pcad {

enum class Unit { Mil, Millimetre, Inch };

// Database units (0.01 micrometre) in one unit of length.
std::int64_t DatabaseUnitsPer(Unit unit) noexcept;

// mil, mm or in, in any case; nothing for any other word.
std::optional<Unit> UnitFromWord(std::string_view word) noexcept;

// A length in whole database units, converted from the decimal digits of
// the file by the one rounding rule of base/units.h.
struct Length {
    std::int32_t databaseUnits = 0;
};

// A computed position or size (a turned pad, the box of an outline) as whole
// database units: the nearest one, an exact half to the even one, as every
// length of the file. A value beyond the 32-bit range of DBX coordinates is
// an error at the given line.
std::int32_t RoundToDatabaseUnits(double databaseUnits, std::uint32_t line, const Reporter& reporter);

// An angle in degrees as tenths of a degree in [0, 3600), rounded once.
std::int32_t ToTenthsOfDegree(double degrees, std::uint32_t line, const Reporter& reporter);

// Reads the positional values of one list (its strings and words, not its
// sub-lists) in order: (pt 7.8 -8.45), (extent 17.79587 mm 135.0),
// (node "R1" "2"). A missing or malformed value is an error naming the list.
class ValueReader {
public:
    ValueReader(ListView list, Unit fileUnit, const Reporter& reporter) noexcept;

    bool atEnd() noexcept;

    // A number with an optional unit, glued ("12.0mil") or as the next word
    // ("0.19843 mm"); without one it is in the file's unit.
    Length length();
    // A number without a unit: angles, counts.
    double number();
    std::int32_t integer();
    // A string or a bare word, escapes resolved.
    std::string text();
    // True or False, in any case.
    bool boolean();
    // An enumeration word such as Signal or Ellipse, as written.
    std::string_view word();

private:
    Element take(std::string_view expected);
    [[noreturn]] void fail(const Element& at, std::string_view message) const;

    ListView list_;
    ListView::Iterator next_;
    Unit fileUnit_;
    const Reporter& reporter_;
};

// Shorthands for the common one-value lists: (holeDiam 0.9652), (padNum 3),
// (isFlipped True), (padStyleRef "SMD").
Length LengthOf(ListView list, Unit fileUnit, const Reporter& reporter);
double NumberOf(ListView list, const Reporter& reporter);
std::int32_t IntegerOf(ListView list, const Reporter& reporter);
std::string TextOf(ListView list, const Reporter& reporter);
bool BooleanOf(ListView list, const Reporter& reporter);
std::string_view WordOf(ListView list, const Reporter& reporter);

// The value of an optional one-value child list, or the default when the
// child is missing: (rotation 90), (isFlipped True).
double NumberOfChild(ListView list, std::string_view keyword, double missing, const Reporter& reporter);
bool BooleanOfChild(ListView list, std::string_view keyword, bool missing, const Reporter& reporter);
std::optional<std::string> TextOfChild(ListView list, std::string_view keyword, const Reporter& reporter);

// Where an item sits and how it is turned: (pt x y), (rotation degrees),
// (isFlipped True). Every pad, via and placed part has one; a missing (pt) is
// an error naming the item.
struct ItemPlace {
    Length x;
    Length y;
    double rotation = 0.0;  // degrees, counter-clockwise
    bool flipped = false;
};

ItemPlace ReadItemPlace(ListView item, std::string_view itemName, Unit fileUnit, const Reporter& reporter);

// The name a definition carries as its first value: (padStyleDef "SMD" ...).
std::string NameOf(ListView list, const Reporter& reporter);

}  // namespace nodewick::design::pcad
