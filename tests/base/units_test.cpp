#include "base/units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace nodewick {
namespace {

std::optional<std::int32_t> Convert(std::string_view text, std::int64_t unitsPerUnit)
{
    const std::optional<Decimal> value = ParseDecimal(text);
    return value ? ToDatabaseUnits(*value, unitsPerUnit) : std::nullopt;
}

TEST(ParseDecimal, TakesPlainDecimalsOnly)
{
    for (const std::string_view good : {"0", "-3.0", "+12", ".5", "7.", "007.250"})
        EXPECT_TRUE(ParseDecimal(good).has_value()) << good;
    for (const std::string_view bad : {"", "-", ".", "1e3", "1,5", "abc", " 1", "1 ", "--1", "1.2.3", "0x10", "inf"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(ToDatabaseUnits, ConvertsMilsAndMillimetresExactly)
{
    EXPECT_EQ(Convert("60", kDatabaseUnitsPerMil), 152400);
    EXPECT_EQ(Convert("1.524", kDatabaseUnitsPerMillimetre), 152400);
    EXPECT_EQ(Convert("-0.5", kDatabaseUnitsPerMillimetre), -50000);
    // 0.1 has no exact binary fraction; 0.1 mil is 254 units exactly.
    EXPECT_EQ(Convert("0.1", kDatabaseUnitsPerMil), 254);
    EXPECT_EQ(Convert("0.001", kDatabaseUnitsPerInch), 2540);
}

TEST(ToDatabaseUnits, RoundsExactHalvesToTheEvenNeighbour)
{
    // 0.00001 mm is one unit: 0.000005 mm is half a unit.
    EXPECT_EQ(Convert("0.000005", kDatabaseUnitsPerMillimetre), 0);
    EXPECT_EQ(Convert("0.000015", kDatabaseUnitsPerMillimetre), 2);
    EXPECT_EQ(Convert("0.000025", kDatabaseUnitsPerMillimetre), 2);
    EXPECT_EQ(Convert("-0.000025", kDatabaseUnitsPerMillimetre), -2);
    EXPECT_EQ(Convert("-0.000035", kDatabaseUnitsPerMillimetre), -4);
    // Just past a half goes up, even when the excess is far behind the point.
    EXPECT_EQ(Convert("0.0000050000000000000000000001", kDatabaseUnitsPerMillimetre), 1);
    EXPECT_EQ(Convert("0.0000049999999999999999999999", kDatabaseUnitsPerMillimetre), 0);
}

TEST(ToDatabaseUnits, RefusesWhatThirtyTwoBitsCannotHold)
{
    // 2147483647 units is 845466.00 mil (and a little).
    EXPECT_EQ(Convert("845466", kDatabaseUnitsPerMil), 2147483640);
    EXPECT_FALSE(Convert("845467", kDatabaseUnitsPerMil).has_value());
    EXPECT_EQ(Convert("-21474.83648", kDatabaseUnitsPerMillimetre), -2147483648);
    EXPECT_FALSE(Convert("21474.83648", kDatabaseUnitsPerMillimetre).has_value());
    EXPECT_FALSE(Convert("1000000000000", kDatabaseUnitsPerMil).has_value());
    EXPECT_EQ(Convert("0000000000000000000001", kDatabaseUnitsPerMil), 2540);
}

TEST(ToDatabaseUnits, StaysExactWhereTheProductOutgrowsSixtyFourBits)
{
    // 845465.999999999999999999 mil: 845465 * 2540 = 2147481100, and the
    // fraction gives 2539.99999999999999746, so 2147483639.99999999999999746
    // rounds up to 2147483640. The digits times 2540 are about 2.1e27.
    EXPECT_EQ(Convert("845465.999999999999999999", kDatabaseUnitsPerMil), 2147483640);
    // Exact halves with digits whose product is about 2.1e27:
    // 2147483646.5 goes to the even 2147483646, 2147483647.5 to 2147483648,
    // which is beyond the range, and -2147483647.5 to -2147483648, which is not.
    EXPECT_EQ(Convert("21474.836465000000000000", kDatabaseUnitsPerMillimetre), 2147483646);
    EXPECT_FALSE(Convert("21474.836475000000000000", kDatabaseUnitsPerMillimetre).has_value());
    EXPECT_EQ(Convert("-21474.836475000000000000", kDatabaseUnitsPerMillimetre), -2147483648);
}

TEST(DivideRoundHalfEven, RoundsBothSignsToTheEvenNeighbour)
{
    struct Case {
        std::int64_t value, divisor, expected;
    };
    for (const Case c : {Case{127, 254, 0}, Case{381, 254, 2}, Case{635, 254, 2}, Case{128, 254, 1},
                         Case{-127, 254, 0}, Case{-381, 254, -2}, Case{-128, 254, -1}, Case{50, 100, 0},
                         Case{150, 100, 2}, Case{-250, 100, -2}})
        EXPECT_EQ(DivideRoundHalfEven(c.value, c.divisor), c.expected) << c.value << "/" << c.divisor;
}

} // namespace
} // namespace nodewick
