#include "export/units.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(12345.5), 12346.0);
    EXPECT_EQ(RoundHalfEven(12344.5), 12344.0);
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
}

TEST(RoundHalfEven, OtherValuesGoToTheNearest)
{
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
    EXPECT_EQ(RoundHalfEven(-7.6), -8.0);
    EXPECT_EQ(RoundHalfEven(31750.0), 31750.0);
}

TEST(DivideRoundHalfEven, ExactHalvesOfAnOutputUnitGoToEven)
{
    EXPECT_EQ(DivideRoundHalfEven(127, 254), 0);   // 0.5
    EXPECT_EQ(DivideRoundHalfEven(381, 254), 2);   // 1.5
    EXPECT_EQ(DivideRoundHalfEven(635, 254), 2);   // 2.5
    EXPECT_EQ(DivideRoundHalfEven(-127, 254), 0);  // -0.5
    EXPECT_EQ(DivideRoundHalfEven(-381, 254), -2); // -1.5
    EXPECT_EQ(DivideRoundHalfEven(150, 100), 2);
    EXPECT_EQ(DivideRoundHalfEven(250, 100), 2);
}

TEST(DivideRoundHalfEven, OtherQuotientsGoToTheNearest)
{
    EXPECT_EQ(DivideRoundHalfEven(3135630, 254), 12345);  // 1.2345 inch
    EXPECT_EQ(DivideRoundHalfEven(128, 254), 1);
    EXPECT_EQ(DivideRoundHalfEven(126, 254), 0);
    EXPECT_EQ(DivideRoundHalfEven(-128, 254), -1);
    EXPECT_EQ(DivideRoundHalfEven(4294967294LL, 100), 42949673);
}

TEST(Units, MilsAndMillimetresHaveTheirDivisorsScalesAndParameter)
{
    EXPECT_EQ(UnitDivisor(Units::Mils), 254);
    EXPECT_EQ(UnitDivisor(Units::Millimetres), 100);
    EXPECT_EQ(UnitScale(Units::Mils), 2540.0);
    EXPECT_EQ(UnitScale(Units::Millimetres), 100000.0);
    EXPECT_EQ(UnitsParameter(Units::Mils), "CUST");
    EXPECT_EQ(UnitsParameter(Units::Millimetres), "CUST 1");
}

} // namespace
} // namespace nodewick::exporter
