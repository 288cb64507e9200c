#include "export/offset_text.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

TEST(OffsetTextValue, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(OffsetTextValue("12.5"), 12.5);
    EXPECT_EQ(OffsetTextValue("12.5mil"), 12.5);
    EXPECT_EQ(OffsetTextValue("1.250mm"), 1.25);
    EXPECT_EQ(OffsetTextValue("-1.25"), -1.25);
    EXPECT_EQ(OffsetTextValue("+3"), 3.0);
    EXPECT_EQ(OffsetTextValue("  7"), 7.0);
    EXPECT_EQ(OffsetTextValue(".5"), 0.5);
    EXPECT_EQ(OffsetTextValue("0"), 0.0);
}

TEST(OffsetTextValue, DotIsTheDecimalPointWhateverTheLocale)
{
    EXPECT_EQ(OffsetTextValue("1,5"), 1.0);
}

TEST(OffsetTextValue, TextWithoutLeadingNumberCountsAsZero)
{
    EXPECT_EQ(OffsetTextValue(""), 0.0);
    EXPECT_EQ(OffsetTextValue("abc"), 0.0);
    EXPECT_EQ(OffsetTextValue("mil"), 0.0);
    EXPECT_EQ(OffsetTextValue("-"), 0.0);
    EXPECT_EQ(OffsetTextValue("inf"), 0.0);
    EXPECT_EQ(OffsetTextValue("nan"), 0.0);
}

TEST(FormatOffset, MilsShowOneDecimal)
{
    EXPECT_EQ(FormatOffset(0.0, Units::Mils), "0.0mil");
    EXPECT_EQ(FormatOffset(12.5, Units::Mils), "12.5mil");
    EXPECT_EQ(FormatOffset(9999.9, Units::Mils), "9999.9mil");
    EXPECT_EQ(FormatOffset(0.26, Units::Mils), "0.3mil");
    EXPECT_EQ(FormatOffset(-3.0, Units::Mils), "-3.0mil");
    EXPECT_EQ(FormatOffset(1234567.0, Units::Mils), "1234567.0mil");
}

TEST(FormatOffset, MillimetresShowThreeDecimals)
{
    EXPECT_EQ(FormatOffset(0.0, Units::Millimetres), "0.000mm");
    EXPECT_EQ(FormatOffset(1.25, Units::Millimetres), "1.250mm");
    EXPECT_EQ(FormatOffset(-1.25, Units::Millimetres), "-1.250mm");
    EXPECT_EQ(FormatOffset(99.999, Units::Millimetres), "99.999mm");
    EXPECT_EQ(FormatOffset(0.0004, Units::Millimetres), "0.000mm");
}

TEST(FormatOffset, ValueRoundingToZeroHasNoSign)
{
    EXPECT_EQ(FormatOffset(-0.01, Units::Mils), "0.0mil");
    EXPECT_EQ(FormatOffset(-0.0001, Units::Millimetres), "0.000mm");
}

TEST(OffsetLimit, LargestOffsetPerUnit)
{
    EXPECT_EQ(OffsetLimit(Units::Mils), 9999.9);
    EXPECT_EQ(OffsetLimit(Units::Millimetres), 99.999);
}

// Offsets reach database units exactly, an exact half to the even neighbour.
TEST(OffsetDatabaseUnits, TypedNumberTimesTheUnitExactly)
{
    EXPECT_EQ(OffsetDatabaseUnits("12.5", Units::Mils), 31750);
    EXPECT_EQ(OffsetDatabaseUnits("12.5mil", Units::Mils), 31750);
    EXPECT_EQ(OffsetDatabaseUnits("-1.25", Units::Millimetres), -125000);
    EXPECT_EQ(OffsetDatabaseUnits("+3", Units::Mils), 7620);
    EXPECT_EQ(OffsetDatabaseUnits("  .5", Units::Millimetres), 50000);
    EXPECT_EQ(OffsetDatabaseUnits("1,5", Units::Mils), 2540);
    EXPECT_EQ(OffsetDatabaseUnits("abc", Units::Mils), 0);
    EXPECT_EQ(OffsetDatabaseUnits("-", Units::Mils), 0);
    EXPECT_EQ(OffsetDatabaseUnits("", Units::Millimetres), 0);
    // 0.1 has no exact binary fraction; 0.1 mm is still 10000 database units.
    EXPECT_EQ(OffsetDatabaseUnits("0.1", Units::Millimetres), 10000);
}

TEST(OffsetDatabaseUnits, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(OffsetDatabaseUnits("0.000005", Units::Millimetres), 0);     // 0.5
    EXPECT_EQ(OffsetDatabaseUnits("0.000015", Units::Millimetres), 2);     // 1.5
    EXPECT_EQ(OffsetDatabaseUnits("0.000025", Units::Millimetres), 2);     // 2.5
    EXPECT_EQ(OffsetDatabaseUnits("-0.000005", Units::Millimetres), 0);    // -0.5
    EXPECT_EQ(OffsetDatabaseUnits("-0.000015", Units::Millimetres), -2);   // -1.5
    EXPECT_EQ(OffsetDatabaseUnits("-0.000025", Units::Millimetres), -2);   // -2.5
    EXPECT_EQ(OffsetDatabaseUnits("0.0000249", Units::Millimetres), 2);    // 2.49
    EXPECT_EQ(OffsetDatabaseUnits("0.0000251", Units::Millimetres), 3);    // 2.51
    EXPECT_EQ(OffsetDatabaseUnits("-0.000076", Units::Millimetres), -8);   // -7.6
    EXPECT_EQ(OffsetDatabaseUnits("0.00004", Units::Mils), 0);             // 0.1016
}

TEST(OffsetDatabaseUnits, BeyondThe32BitRangeIsNothing)
{
    EXPECT_EQ(OffsetDatabaseUnits("845466", Units::Mils), 2147483640);
    EXPECT_EQ(OffsetDatabaseUnits("-845466", Units::Mils), -2147483640);
    EXPECT_EQ(OffsetDatabaseUnits("845467", Units::Mils), std::nullopt);
    EXPECT_EQ(OffsetDatabaseUnits("21474.83647", Units::Millimetres), 2147483647);
    EXPECT_EQ(OffsetDatabaseUnits("21474.83648", Units::Millimetres), std::nullopt);
    EXPECT_EQ(OffsetDatabaseUnits("99999999999999999999", Units::Mils), std::nullopt);
}

} // namespace
} // namespace nodewick::exporter
