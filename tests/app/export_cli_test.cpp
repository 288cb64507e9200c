// End-to-end: nodewick-export run as a user runs it, on design files in a
// scratch folder.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "export_cli_fixture.h"

namespace nodewick::testing {
namespace {


// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                                            1        10        20        30        40        50        60        70        80
//                                            |        |         |         |         |         |         |         |         |

TEST_F(ExportCli, WritesTheNetlistBesideTheDesign)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramRun run = exportDesign({});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Written to .board.ipc\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(folder.file("board.ipc")), "C P-CAD 2001 Version\r\n"
                                                   "C DBX Version  16000 \r\n"
                                                   "C IPC-D-356A\r\n"
                                                   "C mailto:nodewick@example.org\r\n"
                                                   "C Design Name    board.json\r\n"
                                                   "C Drawing Number \r\n"
                                                   "C Title          Probe fixture\r\n"
                                                   "C Revision       \r\n"
                                                   "C Engineer       \r\n"
                                                   "C Date           03/08/24 14:05:00\r\n"
                                                   "C Components     1 \r\n"
                                                   "C Number of Nets 1 \r\n"
                                                   "C Total Pads     1 Top Side= 1 Bottom Side= 0\r\n"
                                                   "C Connected Pins 1 \r\n"
                                                   "C layers         4 \r\n"
                                                   "C Offset =       (X: 0.0mil Y: 0.0mil)\r\n"
                                                   "C ************Layer 1 Top   1**********\r\n"
                                                   "C ************Layer 2 Bottom   2**********\r\n"
                                                   "C ************Layer 3 Inner1   3**********\r\n"
                                                   "C ************Layer 4 Inner2   4**********\r\n"
                                                   "P  VER IPC-D-356A\r\n"
                                                   "P  JOB board.json\r\n"
                                                   "P  UNITS CUST\r\n"
                                                   "P  DIM   N\r\n"
                                                   "327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1\r\n"
                                                   "317GND              VIA   -    MD0032PA00X 123456Y 234567               S0\r\n"
                                                   "999\r\n");
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Top   1\r\nBottom   2\r\nInner1   3\r\nInner2   4\r\n");
}

TEST_F(ExportCli, VerbosePrintsEveryStatusText)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramRun run = exportDesign({"--verbose"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Status: OK\nNodes 0 Nets Name GND\nWritten to .board.ipc\n");
}

TEST_F(ExportCli, OptionsReachTheNetlist)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramRun run = exportDesign({"--units", "mm", "--offset", "1.25,-0.5", "--layers", "Inner2,Bottom"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string netlist = ReadBytes(folder.file("board.ipc"));
    EXPECT_NE(netlist.find("C Offset =       (X: 1.250mm Y: -0.500mm)\r\n"
                           "C ************Layer 1 Inner2   4**********\r\n"
                           "C ************Layer 2 Bottom   2**********\r\n"
                           "C ************Layer 3 Top   1**********\r\n"
                           "C ************Layer 4 Inner1   3**********\r\n"),
              std::string::npos)
        << netlist;
    EXPECT_NE(netlist.find("P  UNITS CUST 1\r\n"), std::string::npos);
    // 1234.5 mil is 31356.3 micrometres, plus 1.25 mm; 500 mil is 12700, less 0.5 mm.
    EXPECT_NE(netlist.find("327GND              U12   -14         A01X 032606Y 012200X1524Y0508R90  S1\r\n"),
              std::string::npos)
        << netlist;
}

TEST_F(ExportCli, SavedLayerOrderIsUsedAndLayersByIdReorderIt)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    WriteBytes(folder.file("Nodewick.ini"), "Inner1   3\r\nTop   1\r\nBottom   2\r\n");
    const ProgramRun run = exportDesign({"--layers", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The saved order lacks Inner2, which follows the saved layers.
    EXPECT_EQ(run.err, "nodewick-export: warning: " + folder.file("Nodewick.ini") +
                           ": the layer \"Inner2   4\" is missing; it is added as layer 4\n");
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Bottom   2\r\nInner1   3\r\nTop   1\r\nInner2   4\r\n");
    EXPECT_NE(ReadBytes(folder.file("board.ipc")).find("C ************Layer 3 Top   1**********\r\n"),
              std::string::npos);
}

TEST_F(ExportCli, ViewOpensTheNetlistInTheViewer)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const std::string viewer = scratch.file("viewer.sh");
    WriteBytes(viewer, "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/viewed.tmp\"\n"
                       "mv \"$(dirname \"$0\")/viewed.tmp\" \"$(dirname \"$0\")/viewed\"\n");
    ::chmod(viewer.c_str(), 0755);
    ::setenv("NODEWICK_VIEWER", viewer.c_str(), 1);
    const ProgramRun run = exportDesign({"--view"});
    ::unsetenv("NODEWICK_VIEWER");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string viewed;
    for (int i = 0; i < 200 && (viewed = ReadBytes(scratch.file("viewed"))).empty(); ++i)
        ::usleep(25000);
    EXPECT_EQ(viewed, folder.file("board.ipc"));
}

TEST_F(ExportCli, UnreadableDesignFileIsNamed)
{
    const ProgramRun missing = exportDesign({}, "nothing-here.json");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("nothing-here.json"), std::string::npos) << missing.err;

    WriteBytes(folder.file("broken.json"), "{\"nodewickDesign\": 1, \"layers\": [");
    const ProgramRun broken = exportDesign({}, "broken.json");
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.err.find("broken.json"), std::string::npos) << broken.err;
    EXPECT_EQ(filesLeft(), Lines{"broken.json"});
}

TEST_F(ExportCli, LocationBeyondSixDigitsLeavesNoNetlist)
{
    WriteBytes(folder.file("board.json"), SmallDesign("123456.7mil"));
    const ProgramRun run = exportDesign({});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "nodewick-export: Net GND, pad U12-14: the X location comes to 1234567 units of 0.0001 "
                       "inch, more than the six digits a test record holds\n");
    EXPECT_EQ(filesLeft(), Lines{"board.json"});
}

// As root every folder is writable; a folder of the system's that refuses
// even root stands in for a read-only one then.
TEST_F(ExportCli, ReadOnlyDesignFolderIsReportedWithItsReason)
{
    std::string designFolder = folder.path();
    if (::geteuid() == 0) {
        designFolder = "/sys/";
        WriteBytes(folder.file("board.json"), SmallDesign("1234.5mil", designFolder + "board.json"));
    } else {
        WriteBytes(folder.file("board.json"), SmallDesign());
        ::chmod(folder.path().c_str(), 0555);
    }
    const ProgramRun run = exportDesign({});
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(run.exitCode, 1);
    const std::string expected = "nodewick-export: Cannot create the netlist " + designFolder +
                                 "board.ipc (temporary file " + designFolder + ".board.ipc.nodewick-";
    EXPECT_TRUE(run.err.starts_with(expected)) << run.err;
    EXPECT_TRUE(run.err.ends_with(".tmp): Permission denied\n") || run.err.ends_with(".tmp): Read-only file system\n"))
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(designFolder + "board.ipc"));
    EXPECT_EQ(filesLeft(), Lines{"board.json"});
}

TEST_F(ExportCli, UnknownLayerIsRefusedBeforeAnythingIsWritten)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramRun run = exportDesign({"--layers", "Top,Inner9"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "nodewick-export: --layers: no layer \"Inner9\" in the layer list; the layers are "
                       "Top (1), Bottom (2), Inner1 (3), Inner2 (4)\n");
    EXPECT_EQ(filesLeft(), Lines{"board.json"});
}

TEST_F(ExportCli, OffsetOutOfRangeIsRefusedBeforeAnythingIsWritten)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramRun tooLarge = exportDesign({"--offset", "10000,0"});
    EXPECT_EQ(tooLarge.exitCode, 2);
    EXPECT_EQ(tooLarge.err, "nodewick-export: --offset: the X offset \"10000\" is more than the largest, 9999.9mil\n");

    // -900000 mil is -2286000000 database units, below -2147483648.
    const ProgramRun overflowing = exportDesign({"--offset=0,-900000"});
    EXPECT_EQ(overflowing.exitCode, 2);
    EXPECT_EQ(overflowing.err, "nodewick-export: --offset: the Y offset \"-900000\" is beyond the 32-bit coordinates "
                               "of the design\n");
    EXPECT_EQ(filesLeft(), Lines{"board.json"});
}

TEST_F(ExportCli, VersionHelpAndUsage)
{
    const ProgramRun version = RunProgram({kExporter, "--version"}, folder.path(), scratch);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "nodewick-export " NODEWICK_VERSION "\n");

    const ProgramRun help = RunProgram({kExporter, "--help"}, folder.path(), scratch);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: nodewick-export [OPTIONS] DESIGN"), std::string::npos) << help.out;

    const ProgramRun noDesign = RunProgram({kExporter}, folder.path(), scratch);
    EXPECT_EQ(noDesign.exitCode, 2);
    EXPECT_NE(noDesign.err.find("DESIGN is required"), std::string::npos) << noDesign.err;

    const ProgramRun badUnits = RunProgram({kExporter, "x.json", "--units", "inch"}, folder.path(), scratch);
    EXPECT_EQ(badUnits.exitCode, 2);
    EXPECT_TRUE(filesLeft().empty());
}

} // namespace
} // namespace nodewick::testing
