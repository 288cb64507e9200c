#include "export/via_records.h"

#include <gtest/gtest.h>

#include "export_harness.h"
#include "record_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

constexpr std::int32_t kDeepVia = 7;    // 10 units, layer 1 to layer id 100
constexpr std::int32_t kNineUnitVia = 8;  // 9 units, layer 1 to 2, 196 units on both layers
constexpr std::int32_t kNegativeVia = 9;  // no hole, layer 1 to 2, -1000 database units on both layers

struct ViaRun {
    Lines records;
    Lines warnings;
};

// viasxy over one net N with a pad and the given items, on the four layers of
// the board unless a layer list is given.
ViaRun ViaRecords(std::vector<design::Item> items, std::vector<std::string> layerList = {},
                  std::vector<design::ForcedStatus> forced = {})
{
    design::Design design = FourLayerBoard("board.pcb");
    design.viaStyles.push_back(Style(kDeepVia, "DEEP", Out(10), 1, 100));
    design.viaStyles.push_back(Style(kNineUnitVia, "NINE", Out(9), 1, 2,
                                     {{1, Out(196), Out(196)}, {2, Out(196), Out(196)}}));
    design.viaStyles.push_back(Style(kNegativeVia, "NEG", 0, 1, 2, {{1, -1000, -1000}, {2, -1000, -1000}}));
    design.nets = {Net(1, "N", {Pad("U1", "1", kSmdPad, 1, 1)}, std::move(items))};
    design.forcedStatuses = std::move(forced);
    NetRecords written = WriteNetRecords(design, 1, "N", std::move(layerList));
    EXPECT_EQ(written.pads.size(), 1u);
    return ViaRun{.records = std::move(written.vias), .warnings = std::move(written.warnings)};
}

design::Item Rotated(design::Item item, std::int32_t tenths)
{
    item.rotation = tenths;
    return item;
}

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                     1        10        20        30        40        50        60        70        80
//                     |        |         |         |         |         |         |         |         |

TEST(Vias, ThroughBlindAndBuriedVias)
{
    EXPECT_EQ(ViaRecords({Via(kThroughVia, 1, 2), Via(kBlindVia, 3, 4), Via(kBottomBlind, 5, 6),
                          Via(kBuriedVia, 7, 8)}).records,
              (Lines{ "317N                VIA   -    MD0032PA00X 000001Y 000002               S0",
                      "307N                VIA   -    MD0012PA01X 000003Y 000004               S0L01L03",
                      "307N                VIA   -    MD0010PA04X 000005Y 000006               S0L04L02",
                      "307N                VIA   -    MD0010PA03X 000007Y 000008               S0L03L04"}));
}

TEST(Vias, SurfaceViaIsWrittenOnTheSideOfItsFlip)
{
    EXPECT_EQ(ViaRecords({Via(kMicroVia, 1, 2, 0), Rotated(Via(kMicroVia, 3, 4, 1), 900)}).records,
              (Lines{ "327N                VIA   -           A01X 000001Y 000002X0196Y0196     S1",
                      "327N                VIA   -           A04X 000003Y 000004X0196Y0196R90  S2"}));
}

// A drill of one digit is no real hole: the via is written as a surface via.
TEST(Vias, DrillOfASingleDigitMakesASurfaceVia)
{
    EXPECT_EQ(ViaRecords({Via(kNineUnitVia, 1, 2)}).records,
              Lines{  "327N                VIA   -           A01X 000001Y 000002X0196Y0196     S1"});
}

TEST(Vias, NegativeSizeIsWrittenAs0000WithAWarning)
{
    const ViaRun run = ViaRecords({Via(kNegativeVia, 1, 2)});
    EXPECT_EQ(run.records,
              Lines{  "327N                VIA   -           A01X 000001Y 000002X0000Y0000     S1"});
    EXPECT_EQ(run.warnings, (Lines{"Net N, via 1 (via style 9): its width is negative; written as 0000",
                                   "Net N, via 1 (via style 9): its height is negative; written as 0000"}));
}

TEST(Vias, SurfaceViaWithoutCopperTakesTheSideOfItsFlip)
{
    const ViaRun run = ViaRecords({Via(kBareVia, 1, 2, 1), Via(kBareVia, 3, 4, 0)});
    EXPECT_EQ(run.records,
              (Lines{ "327N                VIA   -           A04X 000001Y 000002X0000Y0000     S2",
                      "327N                VIA   -           A01X 000003Y 000004X0000Y0000     S1"}));
    ASSERT_EQ(run.warnings.size(), 2u);
    EXPECT_EQ(run.warnings[0],
              "Net N, via 1 (via style 5): its style has no copper on layer 1 or 2; written with size 0");
}

// The stray via's start layer is not in the layer list: its position is 00,
// not the one the buried via before it had.
TEST(Vias, LayerMissingFromTheListGivesPositionZeroWithoutCarryOver)
{
    const ViaRun run = ViaRecords({Via(kBuriedVia, 1, 2), Via(kStrayVia, 3, 4)});
    EXPECT_EQ(run.records,
              (Lines{ "307N                VIA   -    MD0010PA03X 000001Y 000002               S0L03L04",
                      "307N                VIA   -    MD0010PA00X 000003Y 000004               S0L00L04"}));
    EXPECT_EQ(run.warnings, Lines{"Net N, via 2 (via style 6): its start layer id 6 has no entry in the "
                                  "layer list; position 00 written"});
}

TEST(Vias, LayerIdsOfThreeDigitsMatchTheirEntry)
{
    const ViaRun run = ViaRecords({Via(kDeepVia, 1, 2)}, {"Top   1", "Deep   100", "Bottom   2", "Mid   10"});
    EXPECT_EQ(run.records,
              Lines{  "307N                VIA   -    MD0010PA01X 000001Y 000002               S0L01L02"});
    EXPECT_TRUE(run.warnings.empty());
}

TEST(Vias, LastOfSeveralMatchingEntriesCounts)
{
    const ViaRun run = ViaRecords({Via(kBuriedVia, 1, 2)}, {"Top   1", "Inner1   3", "Bottom   2", "Again   3",
                                                            "Inner2   4"});
    EXPECT_EQ(run.records,
              Lines{  "307N                VIA   -    MD0010PA04X 000001Y 000002               S0L04L05"});
}

TEST(Vias, OtherItemsProduceNothing)
{
    const design::Item line{.type = 1, .x = 0, .y = 0, .viaStyle = 0, .rotation = 0, .flip = 0};
    const design::Item pad{.type = dbx::kItemTypePad, .x = 0, .y = 0, .viaStyle = 0, .rotation = 0, .flip = 0};
    const ViaRun run = ViaRecords({line, pad, Via(kThroughVia, 1, 2), line});
    EXPECT_EQ(run.records.size(), 1u);
    EXPECT_EQ(run.records[0].substr(0, 3), "317");
    EXPECT_TRUE(ViaRecords({line, pad}).records.empty());
}

TEST(Vias, ViaWhoseStyleCannotBeReadIsLeftOutWithAWarning)
{
    const ViaRun run = ViaRecords({Via(kThroughVia, 1, 2)}, {},
                                  {{design::Operation::TGetViaStyle, dbx::status::kInvalidPadstyle}});
    EXPECT_TRUE(run.records.empty());
    EXPECT_EQ(run.warnings,
              Lines{"Net N, via 1 (via style 0): its style cannot be read (Invalid Padstyle); no test record written"});
}

} // namespace
} // namespace nodewick::exporter
