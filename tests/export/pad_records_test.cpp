#include "export/pad_records.h"

#include <gtest/gtest.h>

#include "export/layer_list.h"
#include "export_harness.h"
#include "record_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

constexpr std::int32_t kInnerSpanPad = 10;  // 40 units hole, layer 1 to 3
constexpr std::int32_t kHugePad = 11;       // no hole, 12345 by 100 units on layer 1
constexpr std::int32_t kTinyHolePad = 12;   // a hole that rounds to 0, 50 by 50 units on layer 1
constexpr std::int32_t kHalfUnitHolePad = 13;  // a hole of exactly half an output unit
constexpr std::int32_t kJustOverHalfPad = 14;  // a hole just over half an output unit, layer 1 to 2
constexpr std::int32_t kNegativePad = 15;      // no hole, -1 by -1 units on layer 1

// padsxy over one net N with the given pads, on the four layers of the board.
Lines PadRecords(std::vector<design::Node> pads, Lines* warnings = nullptr,
                 std::vector<design::ForcedStatus> forced = {}, std::vector<std::string> layerList = {})
{
    design::Design design = FourLayerBoard("board.pcb");
    design.padStyles.push_back(Style(kInnerSpanPad, "TH40IN", Out(40), 1, 3));
    design.padStyles.push_back(Style(kHugePad, "HUGE", 0, 1, 1, {{1, Out(12345), Out(100)}}));
    design.padStyles.push_back(Style(kTinyHolePad, "TINY", 100, 1, 2, {{1, Out(50), Out(50)}}));
    design.padStyles.push_back(Style(kHalfUnitHolePad, "HALF", 127, 1, 2, {{1, Out(50), Out(50)}}));
    design.padStyles.push_back(Style(kJustOverHalfPad, "OVER", 128, 1, 2, {{1, Out(50), Out(50)}}));
    design.padStyles.push_back(Style(kNegativePad, "NEG", 0, 1, 1, {{1, -254, -254}}));
    design.nets = {Net(1, "N", std::move(pads))};
    design.forcedStatuses = std::move(forced);
    NetRecords written = WriteNetRecords(design, 1, "N", std::move(layerList));
    EXPECT_TRUE(written.vias.empty());
    if (warnings != nullptr)
        *warnings = written.warnings;
    return written.pads;
}

design::Node Rotated(design::Node node, std::int32_t tenths)
{
    node.rotation = tenths;
    return node;
}

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                     1        10        20        30        40        50        60        70        80
//                     |        |         |         |         |         |         |         |         |

TEST(Pads, FreePadIsWrittenAsIct)
{
    EXPECT_EQ(PadRecords({Pad("", "3", kThroughPad, 100, 200)}),
              Lines{  "317N                ICT   -3    D0040PA00X 000100Y 000200               S3"});
}

TEST(Pads, LongDesignatorsKeepSixAndFiveCharacters)
{
    EXPECT_EQ(PadRecords({Pad("CONNECTOR1", "PIN1234", kThroughPad, 1, 2)}),
              Lines{  "317N                CONNEC-PIN12D0040PA00X 000001Y 000002               S3"});
}

TEST(Pads, DrilledPadThroughTheBoardIsReachedFromBothSides)
{
    EXPECT_EQ(PadRecords({Pad("J1", "1", kThroughPad, 1, 2), BottomPad("J2", "1", kThroughPad, 3, 4)}),
              (Lines{ "317N                J1    -1    D0040PA00X 000001Y 000002               S3",
                      "317N                J2    -1    D0040PA00X 000003Y 000004               S3"}));
}

TEST(Pads, DrilledPadOfAnotherSpanIsReachedFromItsOwnSide)
{
    EXPECT_EQ(PadRecords({Pad("J1", "1", kInnerSpanPad, 1, 2), BottomPad("J2", "1", kInnerSpanPad, 3, 4)}),
              (Lines{ "317N                J1    -1    D0040PA01X 000001Y 000002               S1",
                      "317N                J2    -1    D0040PA04X 000003Y 000004               S2"}));
}

TEST(Pads, BottomSurfacePadTakesTheLayerCountAsAccessCode)
{
    EXPECT_EQ(PadRecords({BottomPad("U1", "1", kSmdPad, 1, 2)}),
              Lines{  "327N                U1    -1          A04X 000001Y 000002X0600Y0200     S2"});

    Lines twelveLayers;
    for (int id = 1; id <= 12; ++id)
        twelveLayers.push_back(LayerEntry("L" + std::to_string(id), id));
    const Lines records = PadRecords({BottomPad("U1", "1", kSmdPad, 1, 2)}, nullptr, {}, twelveLayers);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].substr(38, 4), "A12X");
}

// The pad style has copper on layer 1 only; the part sits on the bottom.
TEST(Pads, SurfacePadWithoutCopperOnItsSideTakesTheMirroredShape)
{
    Lines warnings;
    EXPECT_EQ(PadRecords({BottomPad("U1", "1", kSmdPad, 1, 2)}, &warnings),
              Lines{  "327N                U1    -1          A04X 000001Y 000002X0600Y0200     S2"});
    EXPECT_TRUE(warnings.empty());
}

TEST(Pads, SurfacePadWithoutCopperOnEitherSideHasZeroSizeAndAWarning)
{
    Lines warnings;
    EXPECT_EQ(PadRecords({Pad("U1", "1", kBarePad, 1, 2)}, &warnings),
              Lines{  "327N                U1    -1          A01X 000001Y 000002X0000Y0000     S1"});
    EXPECT_EQ(warnings,
              Lines{"Net N, pad U1-1: pad style 2 has no copper on layer 1 nor on the mirrored layer; written with size 0"});
}

TEST(Pads, SizeBeyondFourDigitsIsWrittenAs9999WithAWarning)
{
    Lines warnings;
    EXPECT_EQ(PadRecords({Pad("U1", "1", kHugePad, 1, 2)}, &warnings),
              Lines{  "327N                U1    -1          A01X 000001Y 000002X9999Y0100     S1"});
    EXPECT_EQ(warnings, Lines{"Net N, pad U1-1: the width 12345 units of 0.0001 inch does not fit the "
                              "four-digit size field; written as 9999"});
}

TEST(Pads, NegativeSizeIsWrittenAs0000WithAWarning)
{
    Lines warnings;
    EXPECT_EQ(PadRecords({Pad("U1", "1", kNegativePad, 1, 2)}, &warnings),
              Lines{  "327N                U1    -1          A01X 000001Y 000002X0000Y0000     S1"});
    EXPECT_EQ(warnings, (Lines{"Net N, pad U1-1: the width -1 units of 0.0001 inch does not fit the "
                               "four-digit size field; written as 0000",
                               "Net N, pad U1-1: the height -1 units of 0.0001 inch does not fit the "
                               "four-digit size field; written as 0000"}));
}

TEST(Pads, HoleRoundingToZeroMakesASurfacePad)
{
    EXPECT_EQ(PadRecords({Pad("U1", "1", kTinyHolePad, 1, 2)}),
              Lines{  "327N                U1    -1          A01X 000001Y 000002X0050Y0050     S1"});
}

// 127 database units are exactly half of 0.0001 inch: the hole rounds to the
// even 0 and the pad is a surface pad; 128 round to 1.
TEST(Pads, HoleOfHalfAnOutputUnitRoundsToEven)
{
    EXPECT_EQ(PadRecords({Pad("U1", "1", kHalfUnitHolePad, 1, 2), Pad("U1", "2", kJustOverHalfPad, 1, 2)}),
              (Lines{ "327N                U1    -1          A01X 000001Y 000002X0050Y0050     S1",
                      "317N                U1    -2    D0001PA00X 000001Y 000002               S3"}));
}

// 10.5 and 11.5 output units round to 10 and 12.
TEST(Pads, LocationOfAnExactHalfRoundsToEven)
{
    design::Node pad = Pad("U1", "1", kSmdPad, 0, 0);
    pad.x = Out(10) + 127;
    pad.y = Out(11) + 127;
    EXPECT_EQ(PadRecords({pad}),
              Lines{  "327N                U1    -1          A01X 000010Y 000012X0600Y0200     S1"});
}

TEST(Pads, RotationEndsTheFeatureSize)
{
    EXPECT_EQ(PadRecords({Rotated(Pad("U1", "1", kSmdPad, 1, 2), 2700), Rotated(Pad("U1", "2", kSmdPad, 3, 4), 455)}),
              (Lines{ "327N                U1    -1          A01X 000001Y 000002X0600Y0200R270 S1",
                      "327N                U1    -2          A01X 000003Y 000004X0600Y0200R45.5S1"}));
}

TEST(Pads, WalkEndsAtANegativeStatus)
{
    const Lines records = PadRecords({Pad("U1", "1", kSmdPad, 1, 2), Pad("U1", "2", kSmdPad, 3, 4)}, nullptr,
                                     {{design::Operation::TGetNextNetNode, -5}});
    EXPECT_EQ(records, Lines{"327N                U1    -1          A01X 000001Y 000002X0600Y0200     S1"});
}

TEST(Pads, PadWhoseStyleCannotBeReadIsLeftOutWithAWarning)
{
    Lines warnings;
    const Lines records = PadRecords({Pad("U1", "1", kSmdPad, 1, 2), Pad("", "7", kSmdPad, 3, 4)}, &warnings,
                                     {{design::Operation::TGetPadStyle, dbx::status::kInvalidPadstyle}});
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(warnings,
              (Lines{"Net N, pad U1-1: pad style 1 cannot be read (Invalid Padstyle); no test record written",
                     "Net N, free pad pin 7: pad style 1 cannot be read (Invalid Padstyle); no test record written"}));
}

// A card-edge connector: two fingers of two nets at one place, one drawn on
// the top copper and one on the bottom copper of a part that is not flipped.
constexpr std::int32_t kTopFinger = 20;     // no hole, 70 by 350 units on layer 1 only
constexpr std::int32_t kBottomFinger = 21;  // no hole, 70 by 340 units on layer 2 only

Lines CardEdgeRecords(design::Node a, design::Node b)
{
    ExportHarness harness;
    harness.design.padStyles.push_back(Style(kTopFinger, "EDGE_TOP", 0, 1, 1, {{1, Out(70), Out(350)}}));
    harness.design.padStyles.push_back(Style(kBottomFinger, "EDGE_BOT", 0, 2, 2, {{2, Out(70), Out(340)}}));
    harness.design.nets = {Net(1, "A1", {a}), Net(2, "B1", {b})};
    const ExportResult run = harness.run();
    EXPECT_TRUE(run.written) << run.error;
    EXPECT_EQ(run.warningCount, 0);
    Lines records = harness.records();
    records.pop_back();  // the end record
    return records;
}

TEST(PadSides, CardEdgeFingersAreReachedFromTheSideOfTheirCopper)
{
    EXPECT_EQ(CardEdgeRecords(Pad("P1", "A1", kTopFinger, 5000, 300), Pad("P1", "B1", kBottomFinger, 5000, 300)),
              (Lines{ "327A1               P1    -A1         A01X 005000Y 000300X0070Y0350     S1",
                      "327B1               P1    -B1         A04X 005000Y 000300X0070Y0340     S2"}));
}

// Flipped within its part, a finger's style is turned over: the copper drawn
// on layer 2 faces up.
TEST(PadSides, FlippedPadWithCopperOnTheFarLayerFacesUp)
{
    design::Node flipped = Pad("P1", "B2", kBottomFinger, 5100, 300);
    flipped.flip = 1;
    EXPECT_EQ(CardEdgeRecords(Pad("P1", "A2", kTopFinger, 5100, 300), flipped),
              (Lines{ "327A1               P1    -A2         A01X 005100Y 000300X0070Y0350     S1",
                      "327B1               P1    -B2         A01X 005100Y 000300X0070Y0340     S1"}));
}

// A single-sided board: copper on the bottom only, parts on top, holes not
// plated. Such a hole joins nothing from one side to the other.
constexpr std::int32_t kUnplatedBottom = 22;  // 40 units, layer 1 to 2, copper on layer 2 only
constexpr std::int32_t kUnplatedBoth = 23;    // 40 units, layer 1 to 2, copper on both layers
constexpr std::int32_t kUnplatedTop = 24;     // 52 units, layer 1 to 2, copper on layer 1 only
constexpr std::int32_t kMountingHole = 25;    // 125 units, layer 1 to 2, no copper

TEST(PadSides, UnplatedHolesAreMarkedUAndReachedWhereTheirCopperIs)
{
    ExportHarness harness;
    harness.design.layers = {{1, "Top", 0}, {2, "Bottom", 0}};
    auto unplated = [](std::int32_t id, std::string name, std::int32_t hole, std::vector<design::LayerShape> shapes) {
        design::Style style = Style(id, std::move(name), Out(hole), 1, 2, std::move(shapes));
        style.plated = false;
        return style;
    };
    harness.design.padStyles.push_back(unplated(kUnplatedBottom, "U40B", 40, {{2, Out(70), Out(70)}}));
    harness.design.padStyles.push_back(unplated(kUnplatedBoth, "U40", 40, {{1, Out(70), Out(70)}, {2, Out(70), Out(70)}}));
    harness.design.padStyles.push_back(unplated(kUnplatedTop, "U52T", 52, {{1, Out(90), Out(90)}}));
    harness.design.padStyles.push_back(unplated(kMountingHole, "MTG", 125, {}));
    harness.design.nets = {Net(1, "N", {Pad("R1", "1", kUnplatedBottom, 100, 200), Pad("R1", "2", kUnplatedBoth, 300, 200),
                                        Pad("R2", "1", kUnplatedTop, 500, 200), Pad("H1", "1", kMountingHole, 700, 200),
                                        Pad("J1", "1", kThroughPad, 900, 200)})};
    const ExportResult run = harness.run();
    ASSERT_TRUE(run.written) << run.error;
    EXPECT_EQ(harness.records(),
              (Lines{ "317N                R1    -1    D0040UA02X 000100Y 000200               S2",
                      "317N                R1    -2    D0040UA00X 000300Y 000200               S3",
                      "317N                R2    -1    D0052UA01X 000500Y 000200               S1",
                      "317N                H1    -1    D0125UA00X 000700Y 000200               S3",
                      "317N                J1    -1    D0040PA00X 000900Y 000200               S3",
                      "999"}));
}

} // namespace
} // namespace nodewick::exporter
