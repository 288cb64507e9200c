#include "export/record_format.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

constexpr std::int32_t kMils = 254;         // database units per 0.0001 inch
constexpr std::int32_t kMillimetres = 100;  // database units per 0.001 mm

struct CoordCase {
    std::int32_t location;
    std::int32_t offset;
    std::int32_t divisor;
    const char* digits;
    bool negative;
};

TEST(CoordText, SixDigitsOfTheLocationInOutputUnits)
{
    const CoordCase cases[] = {
        {3135630, 0, kMils, "012345", false},        // 1.2345 inch
        {1270000, 0, kMils, "005000", false},        // 0.5 inch
        {123456 * kMils, 0, kMils, "123456", false},
        {98765 * kMils, 0, kMils, "098765", false},
        {1234 * kMils, 0, kMils, "001234", false},
        {7 * kMils, 0, kMils, "000007", false},      // small values are zero-filled too
        {0, 0, kMils, "000000", false},
        {100000, 0, kMillimetres, "001000", false},  // 1 mm
        {999999 * kMils, 0, kMils, "999999", false},
        {1000 * kMils, 31750, kMils, "001125", false},  // plus a 12.5 mil offset
    };
    for (const CoordCase& c : cases) {
        const LocationText text = CoordText(c.location, c.offset, c.divisor);
        EXPECT_TRUE(text.fits()) << c.location;
        EXPECT_EQ(text.digits.view(), c.digits) << c.location;
        EXPECT_EQ(text.negative(), c.negative) << c.location;
    }
}

TEST(CoordText, NegativeLocationKeepsSixDigitsOfItsMagnitude)
{
    const LocationText text = CoordText(1000 * kMils, -6000 * kMils, kMils);
    EXPECT_TRUE(text.negative());
    EXPECT_EQ(text.digits.view(), "005000");
    EXPECT_EQ(text.outputUnits, -5000);
    EXPECT_EQ(CoordText(-999999 * kMils, 0, kMils).digits.view(), "999999");
}

TEST(CoordText, ExactHalfOfAnOutputUnitRoundsToEven)
{
    EXPECT_EQ(CoordText(10 * kMils + 127, 0, kMils).digits.view(), "000010");
    EXPECT_EQ(CoordText(11 * kMils + 127, 0, kMils).digits.view(), "000012");
    EXPECT_EQ(CoordText(12344 * kMillimetres + 50, 0, kMillimetres).digits.view(), "012344");
    EXPECT_EQ(CoordText(12345 * kMillimetres + 50, 0, kMillimetres).digits.view(), "012346");
}

TEST(CoordText, LocationBeyondSixDigitsDoesNotFit)
{
    const LocationText text = CoordText(1234567 * kMils, 0, kMils);
    EXPECT_FALSE(text.fits());
    EXPECT_EQ(text.outputUnits, 1234567);
    EXPECT_FALSE(CoordText(-1000000 * kMils, 0, kMils).fits());
}

TEST(CoordText, LocationPlusOffsetDoesNotWrapAround)
{
    const LocationText text = CoordText(INT32_MAX, INT32_MAX, kMillimetres);
    EXPECT_EQ(text.outputUnits, 42949673);
    EXPECT_FALSE(text.negative());
    EXPECT_EQ(CoordText(INT32_MIN, INT32_MIN, kMillimetres).outputUnits, -42949673);
}

TEST(PadDrillText, HoleInOutputUnitsBetweenDAndP)
{
    EXPECT_EQ(PadDrillText(32 * kMils, kMils).view(), "D0032P");
    EXPECT_EQ(PadDrillText(400 * kMils, kMils).view(), "D0400P");
    EXPECT_EQ(PadDrillText(12345 * kMils, kMils).view(), "D12345P");
    EXPECT_EQ(PadDrillText(80000, kMillimetres).view(), "D0800P");
    EXPECT_EQ(PadDrillText(3 * kMils, kMils).view(), "D0003P");
}

TEST(PadDrillText, HoleRoundingToZeroHasNoDrill)
{
    EXPECT_EQ(PadDrillText(0, kMils).view(), "");
    EXPECT_EQ(PadDrillText(126, kMils).view(), "");
    EXPECT_EQ(PadDrillText(127, kMils).view(), "");  // half to even: 0
    EXPECT_EQ(PadDrillText(128, kMils).view(), "D0001P");
}

TEST(ViaDrillDigits, AtLeastFourDigits)
{
    EXPECT_EQ(ViaDrillDigits(32 * kMils, kMils).digits.view(), "0032");
    EXPECT_EQ(ViaDrillDigits(10 * kMils, kMils).digits.view(), "0010");
    EXPECT_EQ(ViaDrillDigits(120 * kMils, kMils).digits.view(), "0120");
    EXPECT_EQ(ViaDrillDigits(12345 * kMils, kMils).digits.view(), "12345");
    EXPECT_FALSE(ViaDrillDigits(10 * kMils, kMils).surface);
    EXPECT_FALSE(ViaDrillDigits(12345 * kMils, kMils).surface);
}

TEST(ViaDrillDigits, SingleDigitDrillMakesASurfaceVia)
{
    EXPECT_EQ(ViaDrillDigits(0, kMils).digits.view(), "0000");
    EXPECT_TRUE(ViaDrillDigits(0, kMils).surface);
    EXPECT_EQ(ViaDrillDigits(9 * kMils, kMils).digits.view(), "0009");
    EXPECT_TRUE(ViaDrillDigits(9 * kMils, kMils).surface);
}

struct SizeCase {
    std::int32_t size;
    const char* digits;
    bool clamped;
};

TEST(PadSizeText, FourDigitsFractionDropped)
{
    const SizeCase cases[] = {
        {600 * kMils, "0600", false},
        {313680, "1234", false},       // 1234.96 output units: dropped, not rounded
        {9999 * kMils, "9999", false},
        {999 * kMils, "0999", false},
        {50 * kMils, "0050", false},   // small sizes are zero-filled to four digits
        {5 * kMils, "0005", false},
        {253, "0000", false},
        {0, "0000", false},
    };
    for (const SizeCase& c : cases) {
        const SizeText text = PadSizeText(c.size, kMils);
        EXPECT_EQ(text.digits.view(), c.digits) << c.size;
        EXPECT_EQ(text.clamped, c.clamped) << c.size;
    }
}

TEST(PadSizeText, SizeBeyondFourDigitsIsClampedTo9999)
{
    const SizeCase cases[] = {
        {10000 * kMils, "9999", true},
        {12345 * kMils, "9999", true},
        {-kMils, "0000", true},
    };
    for (const SizeCase& c : cases) {
        const SizeText text = PadSizeText(c.size, kMils);
        EXPECT_EQ(text.digits.view(), c.digits) << c.size;
        EXPECT_EQ(text.clamped, c.clamped) << c.size;
    }
}

TEST(ViaSizeText, AtLeastFourDigitsFractionDropped)
{
    EXPECT_EQ(ViaSizeText(50000, kMils).digits.view(), "0196");  // 0.5 mm in 0.0001 inch
    EXPECT_EQ(ViaSizeText(5 * kMils, kMils).digits.view(), "0005");
    EXPECT_EQ(ViaSizeText(12345 * kMils, kMils).digits.view(), "12345");
    EXPECT_FALSE(ViaSizeText(12345 * kMils, kMils).clamped);
    EXPECT_EQ(ViaSizeText(-1000, kMils).digits.view(), "0000");
    EXPECT_TRUE(ViaSizeText(-1000, kMils).clamped);
}

TEST(RotationText, DegreesWithAtLeastTwoDigits)
{
    EXPECT_EQ(RotationText(0).view(), "");
    EXPECT_EQ(RotationText(50).view(), "R05");
    EXPECT_EQ(RotationText(900).view(), "R90");
    EXPECT_EQ(RotationText(1800).view(), "R180");
    EXPECT_EQ(RotationText(2700).view(), "R270");
    EXPECT_EQ(RotationText(455).view(), "R45.5");
    EXPECT_EQ(RotationText(5).view(), "R0.5");
    EXPECT_EQ(RotationText(3599).view(), "R359.9");
}

TEST(RotationText, NegativeRotationKeepsItsSign)
{
    EXPECT_EQ(RotationText(-900).view(), "R-90");
    EXPECT_EQ(RotationText(-50).view(), "R-5");
    EXPECT_EQ(RotationText(-5).view(), "R-0.5");
}

TEST(TwoDigitText, LeadingZeroForOneDigit)
{
    EXPECT_EQ(TwoDigitText(0).view(), "00");
    EXPECT_EQ(TwoDigitText(1).view(), "01");
    EXPECT_EQ(TwoDigitText(4).view(), "04");
    EXPECT_EQ(TwoDigitText(12).view(), "12");
    EXPECT_EQ(TwoDigitText(123).view(), "123");
}

} // namespace
} // namespace nodewick::exporter
