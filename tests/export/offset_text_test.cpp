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

} // namespace
} // namespace nodewick::exporter
