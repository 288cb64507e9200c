#include "export/test_records.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

constexpr std::int32_t kMils = 254;

LocationText At(std::int64_t outputUnits)
{
    return CoordText(static_cast<std::int32_t>(outputUnits * kMils), 0, kMils);
}

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                                    1        10        20        30        40        50        60        70        80
//                                    |        |         |         |         |         |         |         |         |

// Mils, no offset, net GND: a top-side surface pad of U12 pin 14 at 1.2345 inch,
// 0.5 inch, 60 by 20 mil, rotated by 90 degrees.
TEST(WritePadRecord, TopSideSurfacePadSample)
{
    const LocationText x = At(12345);
    const LocationText y = At(5000);
    std::string out;
    WritePadRecord(out, {.netName = "GND", .refDes = "U12", .pin = "14", .drill = "", .access = "01",
                         .x = x, .y = y, .featureSize = "X0600Y0200R90", .soldermask = '1'});
    EXPECT_EQ(out,                   "327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1\r\n");
}

TEST(WritePadRecord, DrilledPadReachedFromBothSides)
{
    const LocationText x = At(20000);
    const LocationText y = At(10500);
    std::string out;
    WritePadRecord(out, {.netName = "NET10", .refDes = "J1", .pin = "2", .drill = "D0040P", .access = "00",
                         .x = x, .y = y, .featureSize = "", .soldermask = '3'});
    EXPECT_EQ(out,                   "317NET10            J1    -2    D0040PA00X 020000Y 010500               S3\r\n");
}

TEST(WritePadRecord, FiveCharacterPinTakesColumn32)
{
    const LocationText x = At(1000);
    const LocationText y = At(2000);
    std::string out;
    WritePadRecord(out, {.netName = "A", .refDes = "ICT", .pin = "A1234", .drill = "D0032P", .access = "04",
                         .x = x, .y = y, .featureSize = "", .soldermask = '2'});
    EXPECT_EQ(out,                   "317A                ICT   -A1234D0032PA04X 001000Y 002000               S2\r\n");
}

TEST(WritePadRecord, NegativeLocationsAreSignedInColumns43And51)
{
    const LocationText x = At(-1500);
    const LocationText y = At(-25);
    std::string out;
    WritePadRecord(out, {.netName = "GND", .refDes = "C1", .pin = "1", .drill = "", .access = "01",
                         .x = x, .y = y, .featureSize = "X0050Y0040", .soldermask = '1'});
    EXPECT_EQ(out,                   "327GND              C1    -1          A01X-001500Y-000025X0050Y0040     S1\r\n");
}

TEST(WritePadRecord, LongRotationPushesTheSoldermaskOntoANewLine)
{
    const LocationText x = At(1);
    const LocationText y = At(2);
    std::string out;
    WritePadRecord(out, {.netName = "N", .refDes = "U1", .pin = "1", .drill = "", .access = "01",
                         .x = x, .y = y, .featureSize = "X9999Y9999R359.9", .soldermask = '1'});
    EXPECT_EQ(out,                   "327N                U1    -1          A01X 000001Y 000002X9999Y9999R359.9\r\n"
                                     "                                                                        S1\r\n");
}

// A through via with a 32 unit hole at X 123456, Y 234567.
TEST(WriteViaRecord, ThroughViaSample)
{
    const LocationText x = At(123456);
    const LocationText y = At(234567);
    std::string out;
    WriteViaRecord(out, {.kind = ViaKind::Through, .netName = "NET1", .drillDigits = "0032", .access = "00",
                         .x = x, .y = y, .featureSize = "", .soldermask = "S0", .startPosition = "", .endPosition = ""});
    EXPECT_EQ(out,                   "317NET1             VIA   -    MD0032PA00X 123456Y 234567               S0\r\n");
}

TEST(WriteViaRecord, BlindViaEndsWithItsLayerRange)
{
    const LocationText x = At(1000);
    const LocationText y = At(2000);
    std::string out;
    WriteViaRecord(out, {.kind = ViaKind::BlindOrBuried, .netName = "NET2", .drillDigits = "0010", .access = "01",
                         .x = x, .y = y, .featureSize = "", .soldermask = "S0", .startPosition = "01", .endPosition = "03"});
    EXPECT_EQ(out,                   "307NET2             VIA   -    MD0010PA01X 001000Y 002000               S0L01L03\r\n");
}

TEST(WriteViaRecord, SurfaceViaCarriesItsFeatureSize)
{
    const LocationText x = At(500);
    const LocationText y = At(600);
    std::string out;
    WriteViaRecord(out, {.kind = ViaKind::Surface, .netName = "VCC", .drillDigits = "0000", .access = "04",
                         .x = x, .y = y, .featureSize = "X0196Y0196R90", .soldermask = "S2",
                         .startPosition = "", .endPosition = ""});
    EXPECT_EQ(out,                   "327VCC              VIA   -           A04X 000500Y 000600X0196Y0196R90  S2\r\n");
}

TEST(WriteViaRecord, NegativeLocationsAreSignedInColumns43And51)
{
    const LocationText x = At(-123456);
    const LocationText y = At(-7);
    std::string out;
    WriteViaRecord(out, {.kind = ViaKind::Through, .netName = "NET1", .drillDigits = "0032", .access = "00",
                         .x = x, .y = y, .featureSize = "", .soldermask = "S0", .startPosition = "", .endPosition = ""});
    EXPECT_EQ(out,                   "317NET1             VIA   -    MD0032PA00X-123456Y-000007               S0\r\n");
}

TEST(FeatureSizeText, WidthHeightAndRotation)
{
    EXPECT_EQ(FeatureSizeText("0600", "0200", "R90").view(), "X0600Y0200R90");
    EXPECT_EQ(FeatureSizeText("0050", "0050", "").view(), "X0050Y0050");
}

} // namespace
} // namespace nodewick::exporter
