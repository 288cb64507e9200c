#include "export/export_run.h"

#include <gtest/gtest.h>

#include "export_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

// U12 on top with a surface pad rotated by 90 degrees, J1 on the bottom with a
// through-hole pad; GND also has a through via, NET1 a blind via after a line.
void SampleBoard(design::Design& design)
{
    design.title = "Controller";
    design.engineer = "R. Tester";
    design.revision = "C";
    design.drawingNumber = "DWG-0042";
    design.components = {{"U12", 0, 14}, {"J1", 1, 2}};
    design::Node rotated = Pad("U12", "14", kSmdPad, 12345, 5000);
    rotated.rotation = 900;
    design.nets = {
        Net(1, "GND", {rotated, BottomPad("J1", "1", kThroughPad, 10000, 2000)}, {Via(kThroughVia, 123456, 234567)}),
        Net(2, "NET1", {Pad("U12", "1", kSmdPad, 1000, 1000)},
            {design::Item{.type = 1, .x = 0, .y = 0, .viaStyle = 0, .rotation = 0, .flip = 0}, Via(kBlindVia, 10, 20)}),
    };
}

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                                1        10        20        30        40        50        60        70        80
//                                |        |         |         |         |         |         |         |         |

TEST(RunExport, WritesTheWholeNetlistOfASmallBoard)
{
    ExportHarness harness;
    SampleBoard(harness.design);
    const ExportResult result = harness.run();
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(harness.netlist(), "C P-CAD 2001 Version\r\n"
                                 "C DBX Version  16000 \r\n"
                                 "C IPC-D-356A\r\n"
                                 "C mailto:nodewick@example.org\r\n"
                                 "C Design Name    board.pcb\r\n"
                                 "C Drawing Number DWG-0042\r\n"
                                 "C Title          Controller\r\n"
                                 "C Revision       C\r\n"
                                 "C Engineer       R. Tester\r\n"
                                 "C Date           03/08/24 14:05:00\r\n"
                                 "C Components     2 \r\n"
                                 "C Number of Nets 2 \r\n"
                                 "C Total Pads     16 Top Side= 14 Bottom Side= 2\r\n"
                                 "C Connected Pins 3 \r\n"
                                 "C layers         4 \r\n"
                                 "C Offset =       (X: 0.0mil Y: 0.0mil)\r\n"
                                 "C ************Layer 1 Top   1**********\r\n"
                                 "C ************Layer 2 Bottom   2**********\r\n"
                                 "C ************Layer 3 Inner1   3**********\r\n"
                                 "C ************Layer 4 Inner2   4**********\r\n"
                                 "P  VER IPC-D-356A\r\n"
                                 "P  JOB board.pcb\r\n"
                                 "P  UNITS CUST\r\n"
                                 "P  DIM   N\r\n"
                                 "327NET1             U12   -1          A01X 001000Y 001000X0600Y0200     S1\r\n"
                                 "307NET1             VIA   -    MD0012PA01X 000010Y 000020               S0L01L03\r\n"
                                 "327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1\r\n"
                                 "317GND              J1    -1    D0040PA00X 010000Y 002000               S3\r\n"
                                 "317GND              VIA   -    MD0032PA00X 123456Y 234567               S0\r\n"
                                 "999\r\n");
    EXPECT_EQ(result.netlistPath, harness.folder.file("board.ipc"));
    EXPECT_EQ(result.netCount, 2);
    EXPECT_EQ(result.padRecords, 3);
    EXPECT_EQ(result.viaRecords, 2);
    EXPECT_EQ(result.warningCount, 0);
}

TEST(RunExport, ShowsTheStatusOfEachStepAndTheWrittenFile)
{
    ExportHarness harness;
    SampleBoard(harness.design);
    harness.run();
    EXPECT_EQ(harness.statuses,
              (Lines{"Status: OK", "Nodes 0 Nets Name NET1", "Nodes 1 Nets Name GND", "Written to .board.ipc"}));
    EXPECT_EQ(harness.shownFiles, Lines{"board.pcb"});
}

TEST(RunExport, SavesTheLayerOrderAndNumbersLayersByIt)
{
    ExportHarness harness;
    harness.choices.layerList = {"Bottom   2", "Top   1", "Inner2   4", "Inner1   3"};
    harness.design.nets = {Net(1, "N", {Pad("U1", "1", kSmdPad, 1, 2)}, {Via(kBlindVia, 1, 2)})};
    const ExportResult result = harness.run();
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.settingsPath, harness.folder.file("Nodewick.ini"));
    EXPECT_EQ(ReadBytes(harness.folder.file("Nodewick.ini")), "Bottom   2\r\nTop   1\r\nInner2   4\r\nInner1   3\r\n");
    EXPECT_NE(harness.netlist().find("C ************Layer 1 Bottom   2**********\r\n"
                                     "C ************Layer 2 Top   1**********\r\n"),
              std::string::npos);
    EXPECT_EQ(harness.records(), (Lines{"327N                U1    -1          A01X 000001Y 000002X0600Y0200     S1",
                                        "307N                VIA   -    MD0012PA01X 000001Y 000002               S0L02L04",
                                        "999"}));
}

TEST(RunExport, OpensTheFinishedFileWhenViewIsTicked)
{
    ExportHarness harness;
    harness.run();
    EXPECT_TRUE(harness.viewed.empty());

    ExportHarness viewing;
    viewing.choices.view = true;
    ASSERT_TRUE(viewing.run().written);
    EXPECT_EQ(viewing.viewed, Lines{viewing.folder.file("board.ipc")});
}

TEST(RunExport, ClosesTheConversationWhenDone)
{
    ExportHarness harness;
    ASSERT_TRUE(harness.run().written);
    EXPECT_TRUE(harness.conversationClosedAfterRun);
}

TEST(RunExport, DesignWithoutAnythingWritesEmptyCounts)
{
    ExportHarness harness;
    harness.design.layers.clear();
    const ExportResult result = harness.run();
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(harness.netlist().substr(harness.netlist().find("C Components")),
              "C Components    \r\n"
              "C Number of Nets 0 \r\n"
              "C Total Pads     0 Top Side= 0 Bottom Side= 0\r\n"
              "C Connected Pins\r\n"
              "C layers        \r\n"
              "C Offset =       (X: 0.0mil Y: 0.0mil)\r\n"
              "P  VER IPC-D-356A\r\n"
              "P  JOB board.pcb\r\n"
              "P  UNITS CUST\r\n"
              "P  DIM   N\r\n"
              "999\r\n");
}

TEST(RunExport, MillimetresChangeUnitsParameterAndLocations)
{
    ExportHarness harness;
    harness.choices.units = Units::Millimetres;
    harness.choices.offsetXText = "1.25";
    harness.design.nets = {Net(1, "N", {design::Node{.refDes = "R1", .pin = "1", .padStyle = kThroughPad, .x = 100000,
                                                  .y = 250000, .flip = 0, .rotation = 0, .componentSide = 0}})};
    ASSERT_TRUE(harness.run().written);
    const std::string netlist = harness.netlist();
    EXPECT_NE(netlist.find("P  UNITS CUST 1\r\n"), std::string::npos);
    EXPECT_NE(netlist.find("C Offset =       (X: 1.250mm Y: 0.000mm)\r\n"), std::string::npos);
    // A 40 unit hole of 0.0001 inch is 101.6 micrometres: D0102P.
    EXPECT_EQ(harness.records(),
              (Lines{"317N                R1    -1    D0102PA00X 002250Y 002500               S3", "999"}));
}

TEST(RunExport, OffsetIsAddedToEveryLocationAndShownInTheHeader)
{
    ExportHarness harness;
    harness.choices.offsetXText = "12.5";
    harness.choices.offsetYText = "-0.5mil";
    harness.design.nets = {Net(1, "N", {Pad("U1", "1", kSmdPad, 1000, 2000)}, {Via(kThroughVia, 3000, 4000)})};
    ASSERT_TRUE(harness.run().written);
    EXPECT_NE(harness.netlist().find("C Offset =       (X: 12.5mil Y: -0.5mil)\r\n"), std::string::npos);
    EXPECT_EQ(harness.records(), (Lines{"327N                U1    -1          A01X 001125Y 001995X0600Y0200     S1",
                                        "317N                VIA   -    MD0032PA00X 003125Y 003995               S0",
                                        "999"}));
}

TEST(RunExport, NegativeLocationsAreSignedAndZeroFilled)
{
    ExportHarness harness;
    harness.choices.offsetXText = "-200";
    harness.design.nets = {Net(1, "N", {Pad("U1", "1", kSmdPad, 1000, 2000)}, {Via(kThroughVia, 500, -70)})};
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(harness.records(), (Lines{"327N                U1    -1          A01X-001000Y 002000X0600Y0200     S1",
                                        "317N                VIA   -    MD0032PA00X-001500Y-000070               S0",
                                        "999"}));
}

} // namespace
} // namespace nodewick::exporter
