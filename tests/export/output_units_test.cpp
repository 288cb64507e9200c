#include "export/output_units.h"

#include <gtest/gtest.h>

#include "base/units.h"

namespace nodewick::exporter {
namespace {

TEST(Units, MilsAndMillimetresHaveTheirDivisorsScalesAndParameter)
{
    EXPECT_EQ(UnitDivisor(Units::Mils), 254);
    EXPECT_EQ(UnitDivisor(Units::Millimetres), 100);
    EXPECT_EQ(DatabaseUnitsPerTypedUnit(Units::Mils), 2540);
    EXPECT_EQ(DatabaseUnitsPerTypedUnit(Units::Millimetres), 100000);
    EXPECT_EQ(UnitsParameter(Units::Mils), "CUST");
    EXPECT_EQ(UnitsParameter(Units::Millimetres), "CUST 1");
}

// Locations and drills are rounded into output units with the one rounding
// function of the base library.
TEST(OutputUnits, ExactHalvesOfAnOutputUnitGoToEven)
{
    EXPECT_EQ(DivideRoundHalfEven(127, UnitDivisor(Units::Mils)), 0);   // 0.5
    EXPECT_EQ(DivideRoundHalfEven(381, UnitDivisor(Units::Mils)), 2);   // 1.5
    EXPECT_EQ(DivideRoundHalfEven(635, UnitDivisor(Units::Mils)), 2);   // 2.5
    EXPECT_EQ(DivideRoundHalfEven(-127, UnitDivisor(Units::Mils)), 0);  // -0.5
    EXPECT_EQ(DivideRoundHalfEven(-381, UnitDivisor(Units::Mils)), -2); // -1.5
    EXPECT_EQ(DivideRoundHalfEven(150, UnitDivisor(Units::Millimetres)), 2);
    EXPECT_EQ(DivideRoundHalfEven(250, UnitDivisor(Units::Millimetres)), 2);
}

TEST(OutputUnits, OtherQuotientsGoToTheNearest)
{
    EXPECT_EQ(DivideRoundHalfEven(3135630, UnitDivisor(Units::Mils)), 12345);  // 1.2345 inch
    EXPECT_EQ(DivideRoundHalfEven(128, UnitDivisor(Units::Mils)), 1);
    EXPECT_EQ(DivideRoundHalfEven(126, UnitDivisor(Units::Mils)), 0);
    EXPECT_EQ(DivideRoundHalfEven(-128, UnitDivisor(Units::Mils)), -1);
    EXPECT_EQ(DivideRoundHalfEven(4294967294LL, UnitDivisor(Units::Millimetres)), 42949673);
}

// Shape sizes lose their fraction: 1234.96 units give 1234, not 1235.
TEST(TruncatedOutputUnits, FractionIsDroppedNotRounded)
{
    const std::int32_t mils = UnitDivisor(Units::Mils);
    EXPECT_EQ(TruncatedOutputUnits(600 * mils, mils), 600);
    EXPECT_EQ(TruncatedOutputUnits(313680, mils), 1234);
    EXPECT_EQ(TruncatedOutputUnits(253, mils), 0);
    EXPECT_EQ(TruncatedOutputUnits(0, mils), 0);
    EXPECT_EQ(TruncatedOutputUnits(50000, mils), 196);  // 0.5 mm in 0.0001 inch
    EXPECT_EQ(TruncatedOutputUnits(-1000, mils), -3);
}

} // namespace
} // namespace nodewick::exporter
