#include "export/export_run.h"

#include <gtest/gtest.h>

#include "export_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

bool Mentions(const std::string& message, const std::string& part)
{
    return message.find(part) != std::string::npos;
}

TEST(ExportFailures, PadLocationBeyondSixDigitsStopsTheRunAndNamesThePad)
{
    ExportHarness harness;
    harness.design.nets = {Net(1, "GND", {Pad("U1", "1", kSmdPad, 10, 10), Pad("U7", "3", kSmdPad, 1234567, 10)})};
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "Net GND, pad U7-3: the X location comes to 1234567 units of 0.0001 inch, more than "
                            "the six digits a test record holds");
    // The settings file is written only once the netlist is in place.
    EXPECT_TRUE(harness.filesLeft().empty());
    EXPECT_TRUE(harness.conversationClosedAfterRun);
    EXPECT_NE(harness.statuses.back(), "Written to .board.ipc");
}

TEST(ExportFailures, ViaLocationBeyondSixDigitsNamesTheVia)
{
    ExportHarness harness;
    harness.design.nets = {Net(1, "N", {Pad("U1", "1", kSmdPad, 1, 1)},
                               {Via(kThroughVia, 1, 1), Via(kThroughVia, 5, -1000000)})};
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "Net N, via 2 (via style 0): the Y location comes to -1000000 units of 0.0001 inch, "
                            "more than the six digits a test record holds");
    EXPECT_TRUE(harness.filesLeft().empty());
}

// The largest location plus the largest offset is summed without wrapping
// around: 2 * 2147483647 database units are 42949672.94 units of 0.001 mm.
TEST(ExportFailures, LocationPlusOffsetDoesNotWrapAround)
{
    ExportHarness harness;
    harness.choices.units = Units::Millimetres;
    harness.choices.offsetXText = "21474.83647";
    design::Node pad = Pad("U1", "1", kSmdPad, 0, 0);
    pad.x = 2147483647;
    harness.design.nets = {Net(1, "N", {pad})};
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "Net N, pad U1-1: the X location comes to 42949673 units of 0.001 mm, more than "
                            "the six digits a test record holds");
}

TEST(ExportFailures, FailedRunLeavesTheEarlierNetlistAsItWas)
{
    ExportHarness harness;
    WriteBytes(harness.folder.file("board.ipc"), "earlier netlist\r\n999\r\n");
    harness.design.nets = {Net(1, "N", {Pad("U1", "1", kSmdPad, 7654321, 1)})};
    EXPECT_FALSE(harness.run().written);
    EXPECT_EQ(harness.netlist(), "earlier netlist\r\n999\r\n");
    EXPECT_EQ(harness.filesLeft(), Lines{"board.ipc"});
}

TEST(ExportFailures, OffsetBeyondACoordinateIsRefusedBeforeAnyFile)
{
    ExportHarness harness;
    harness.choices.offsetYText = "-900000";  // mils: -2.286e9 database units
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(Mentions(result.error, "The Y offset \"-900000\" is out of range")) << result.error;
    EXPECT_TRUE(harness.filesLeft().empty());
    EXPECT_TRUE(harness.conversationClosedAfterRun);
}

TEST(ExportFailures, LargestOffsetsThatFitAreTaken)
{
    ExportHarness harness;
    harness.choices.offsetXText = "845466";  // 2147483640 database units
    harness.choices.offsetYText = "-845466";
    EXPECT_TRUE(harness.run().written);
}

TEST(ExportFailures, NoDesignOpenWritesNothing)
{
    ExportHarness harness;
    harness.designOpen = false;
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "No design is open (No Connection); nothing was written");
    EXPECT_EQ(harness.statuses, Lines{"No Connection"});
    EXPECT_TRUE(harness.filesLeft().empty());
}

TEST(ExportFailures, MissingDesignFolderStopsTheRunBeforeAnyFile)
{
    ExportHarness harness;
    const std::string folder = harness.folder.file("missing/");
    harness.design.path = folder + "board.pcb";
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(Mentions(result.error, "Cannot create the netlist " + folder + "board.ipc (temporary file " + folder +
                                           ".board.ipc.nodewick-"))
        << result.error;
    EXPECT_TRUE(Mentions(result.error, ".tmp): No such file or directory")) << result.error;
    EXPECT_TRUE(harness.conversationClosedAfterRun);
}

TEST(ExportFailures, SettingsFileThatCannotBeWrittenCostsOnlyAWarning)
{
    ExportHarness harness;
    std::filesystem::create_directory(harness.folder.file("Nodewick.ini"));
    const ExportResult result = harness.run();
    EXPECT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.settingsPath, "");
    EXPECT_EQ(result.warnings, Lines{"The settings file " + harness.folder.file("Nodewick.ini") +
                                     " is a folder, not a regular file; it is not replaced; the layer order is not "
                                     "saved"});
    EXPECT_TRUE(harness.netlist().ends_with("999\r\n"));
}

TEST(ExportFailures, FolderAtTheNetlistNameIsRefused)
{
    ExportHarness harness;
    std::filesystem::create_directory(harness.folder.file("board.ipc"));
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error,
              "The netlist " + harness.folder.file("board.ipc") + " is a folder, not a regular file; it is not replaced");
    EXPECT_EQ(harness.filesLeft(), Lines{"board.ipc"});
    EXPECT_TRUE(harness.viewed.empty());
}

TEST(ExportFailures, LongDesignNamesInOneFolderGetTheirOwnNetlists)
{
    ExportHarness first;
    first.design.path = first.folder.file("controller_board_for_test_rig_a.pcb");
    ASSERT_TRUE(first.run().written);
    first.design.path = first.folder.file("controller_board_for_test_rig_b.pcb");
    ASSERT_TRUE(first.run().written);
    EXPECT_EQ(first.filesLeft(), (Lines{"Nodewick.ini", "controller_board_for_test_rig_a.ipc",
                                        "controller_board_for_test_rig_b.ipc"}));
    EXPECT_EQ(first.statuses.back(), "Written to .controller_board_for_test_rig_b.ipc");
}

} // namespace
} // namespace nodewick::exporter
