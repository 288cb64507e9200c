#include "export/test_record.h"

#include <gtest/gtest.h>

namespace nodewick::exporter {
namespace {

std::string Rendered(const TestRecord& record)
{
    std::string line;
    RenderTestRecord(record, line);
    return line;
}

TestRecord SurfacePad(std::int64_t x, std::int64_t y, FeatureSize size)
{
    return TestRecord{.kind = RecordKind::Pad, .code = OperationCode::Surface, .netName = "N", .refDes = "U1",
                      .pin = "1", .access = 1, .x = x, .y = y, .featureSize = size, .soldermask = Soldermask::Top};
}

TestRecord ThroughVia(std::int64_t drill)
{
    return TestRecord{.kind = RecordKind::Via, .code = OperationCode::ThroughHole, .netName = "N",
                      .drill = Drill{.diameter = drill}, .access = 0, .x = 1, .y = 2,
                      .soldermask = Soldermask::Neither};
}

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                                       1        10        20        30        40        50        60        70        80
//                                       |        |         |         |         |         |         |         |         |

// Mils, no offset, net GND: a top-side surface pad of U12 pin 14 at 1.2345 inch,
// 0.5 inch, 60 by 20 mil, rotated by 90 degrees.
TEST(RenderTestRecord, TopSideSurfacePadSample)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Pad, .code = OperationCode::Surface, .netName = "GND", .refDes = "U12",
                        .pin = "14", .access = 1, .x = 12345, .y = 5000,
                        .featureSize = FeatureSize{.width = 600, .height = 200, .rotation = 900},
                        .soldermask = Soldermask::Top}),
                                        "327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1");
}

TEST(RenderTestRecord, DrilledPadReachedFromBothSides)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Pad, .code = OperationCode::ThroughHole, .netName = "NET10",
                        .refDes = "J1", .pin = "2", .drill = Drill{.diameter = 40}, .access = 0, .x = 20000,
                        .y = 10500, .soldermask = Soldermask::Both}),
                                        "317NET10            J1    -2    D0040PA00X 020000Y 010500               S3");
}

TEST(RenderTestRecord, UnplatedHoleIsMarkedUInColumn38)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Pad, .code = OperationCode::ThroughHole, .netName = "NET10",
                        .refDes = "J1", .pin = "2", .drill = Drill{.diameter = 125, .plated = false}, .access = 1,
                        .x = 20000, .y = 10500, .soldermask = Soldermask::Top}),
                                        "317NET10            J1    -2    D0125UA01X 020000Y 010500               S1");
}

TEST(RenderTestRecord, FiveCharacterPinTakesColumn32)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Pad, .code = OperationCode::ThroughHole, .netName = "A", .refDes = "",
                        .pin = "A1234", .drill = Drill{.diameter = 32}, .access = 4, .x = 1000, .y = 2000,
                        .soldermask = Soldermask::Bottom}),
                                        "317A                ICT   -A1234D0032PA04X 001000Y 002000               S2");
}

TEST(RenderTestRecord, PadDesignatorsAreCutToSixAndFiveCharacters)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Pad, .code = OperationCode::ThroughHole, .netName = "N",
                        .refDes = "CONNECTOR1", .pin = "PIN1234", .drill = Drill{.diameter = 40}, .access = 0,
                        .x = 1, .y = 2, .soldermask = Soldermask::Both}),
                                        "317N                CONNEC-PIN12D0040PA00X 000001Y 000002               S3");
}

TEST(RenderTestRecord, NegativePadLocationsAreSignedInColumns43And51)
{
    EXPECT_EQ(Rendered(SurfacePad(-1500, -25, {.width = 50, .height = 40})),
                                        "327N                U1    -1          A01X-001500Y-000025X0050Y0040     S1");
    EXPECT_EQ(Rendered(SurfacePad(-1500, 25, {.width = 50, .height = 40})),
                                        "327N                U1    -1          A01X-001500Y 000025X0050Y0040     S1");
}

TEST(RenderTestRecord, LongRotationPushesTheSoldermaskOntoANewLine)
{
    EXPECT_EQ(Rendered(SurfacePad(1, 2, {.width = 9999, .height = 9999, .rotation = 3599})),
                                        "327N                U1    -1          A01X 000001Y 000002X9999Y9999R359.9\r\n"
                                        "                                                                        S1");
}

// A through via with a 32 unit hole at X 123456, Y 234567.
TEST(RenderTestRecord, ThroughViaSample)
{
    TestRecord via = ThroughVia(32);
    via.netName = "NET1";
    via.x = 123456;
    via.y = 234567;
    EXPECT_EQ(Rendered(via),            "317NET1             VIA   -    MD0032PA00X 123456Y 234567               S0");
}

TEST(RenderTestRecord, BlindViaEndsWithItsLayerRange)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Via, .code = OperationCode::BlindOrBuried, .netName = "NET2",
                        .drill = Drill{.diameter = 10}, .access = 1, .x = 1000, .y = 2000,
                        .soldermask = Soldermask::Neither, .layers = LayerRange{.start = 1, .end = 3}}),
                                        "307NET2             VIA   -    MD0010PA01X 001000Y 002000               S0L01L03");
}

TEST(RenderTestRecord, SurfaceViaCarriesItsFeatureSize)
{
    EXPECT_EQ(Rendered({.kind = RecordKind::Via, .code = OperationCode::Surface, .netName = "VCC", .access = 4,
                        .x = 500, .y = 600, .featureSize = FeatureSize{.width = 196, .height = 196, .rotation = 900},
                        .soldermask = Soldermask::Bottom}),
                                        "327VCC              VIA   -           A04X 000500Y 000600X0196Y0196R90  S2");
}

TEST(RenderTestRecord, NegativeViaLocationsAreSignedInColumns43And51)
{
    TestRecord via = ThroughVia(32);
    via.x = -123456;
    via.y = -7;
    EXPECT_EQ(Rendered(via),            "317N                VIA   -    MD0032PA00X-123456Y-000007               S0");
}

// Columns 44 to 49 of a record: the location, zero-filled to six digits.
TEST(RenderTestRecord, LocationsHaveSixDigits)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {123456, "123456"}, {98765, "098765"}, {1234, "001234"}, {7, "000007"}, {0, "000000"}, {999999, "999999"},
        {-999999, "999999"},
    };
    for (const auto& [units, digits] : cases)
        EXPECT_EQ(Rendered(SurfacePad(units, 0, {})).substr(43, 6), digits) << units;
}

// Columns 34 to 37 of a drilled record (35 to 38 for a via, after "MD"),
// or more when the drill needs them.
TEST(RenderTestRecord, DrillsHaveAtLeastFourDigits)
{
    EXPECT_EQ(Rendered(ThroughVia(32)).substr(31, 12), "MD0032PA00X ");
    EXPECT_EQ(Rendered(ThroughVia(120)).substr(31, 12), "MD0120PA00X ");
    EXPECT_EQ(Rendered(ThroughVia(12345)).substr(31, 18), "MD12345PA00X000001");
    TestRecord pad = SurfacePad(1, 2, {});
    pad.code = OperationCode::ThroughHole;
    pad.featureSize.reset();
    const std::pair<std::int64_t, const char*> cases[] = {{3, "D0003P"}, {400, "D0400P"}, {800, "D0800P"}};
    for (const auto& [drill, text] : cases) {
        pad.drill = Drill{.diameter = drill};
        EXPECT_EQ(Rendered(pad).substr(32, 6), text) << drill;
    }
    // Seven characters from column 33 reach column 39: the access item breaks the line.
    pad.drill = Drill{.diameter = 12345};
    EXPECT_EQ(Rendered(pad).substr(32, 10), "D12345P\r\n ");
}

// The feature size: "X", width, "Y", height, each zero-filled to four digits,
// then the rotation: "R" and the degrees with at least two characters.
TEST(RenderTestRecord, FeatureSizeAndRotation)
{
    const std::pair<FeatureSize, const char*> cases[] = {
        {{.width = 600, .height = 200, .rotation = 0}, "X0600Y0200"},
        {{.width = 5, .height = 50, .rotation = 50}, "X0005Y0050R05"},
        {{.width = 999, .height = 0, .rotation = 900}, "X0999Y0000R90"},
        {{.width = 1, .height = 1, .rotation = 1800}, "X0001Y0001R180"},
        {{.width = 1, .height = 1, .rotation = 2700}, "X0001Y0001R270"},
        {{.width = 1, .height = 1, .rotation = 455}, "X0001Y0001R45.5"},
        {{.width = 1, .height = 1, .rotation = 5}, "X0001Y0001R0.5"},
        {{.width = 1, .height = 1, .rotation = -900}, "X0001Y0001R-90"},
        {{.width = 1, .height = 1, .rotation = -50}, "X0001Y0001R-5"},
        {{.width = 1, .height = 1, .rotation = -5}, "X0001Y0001R-0.5"},
        {{.width = 12345, .height = 1, .rotation = 0}, "X12345Y0001"},
    };
    for (const auto& [size, text] : cases) {
        std::string field = Rendered(SurfacePad(1, 2, size)).substr(57, 15);
        field.erase(field.find_last_not_of(' ') + 1);
        EXPECT_EQ(field, text);
    }
}

// Access codes and layer positions have at least two digits.
TEST(RenderTestRecord, AccessCodesAndLayerPositionsHaveTwoDigits)
{
    TestRecord via = ThroughVia(10);
    via.code = OperationCode::BlindOrBuried;
    via.access = 12;
    via.layers = LayerRange{.start = 0, .end = 123};
    EXPECT_EQ(Rendered(via).substr(37, 5), "PA12X");
    EXPECT_EQ(Rendered(via).substr(72), "S0L00L123");
    via.access = 4;
    EXPECT_EQ(Rendered(via).substr(37, 5), "PA04X");
}

} // namespace
} // namespace nodewick::exporter
