// End-to-end: each option of nodewick-export, and each value it refuses, with
// the exit code and the message.

#include <sys/stat.h>

#include <filesystem>

#include "export_cli_fixture.h"

namespace nodewick::testing {
namespace {

class ExportCliOptions : public ExportCli {
protected:
    // The netlist a plain run writes beside the design, for comparing with
    // the same netlist written elsewhere.
    std::string plainNetlist()
    {
        TempFolder plain;
        WriteBytes(plain.file("board.json"), SmallDesign());
        EXPECT_EQ(RunProgram({kExporter, "board.json"}, plain.path(), scratch).exitCode, 0);
        const std::string netlist = ReadBytes(plain.file("board.ipc"));
        EXPECT_TRUE(netlist.starts_with("C P-CAD 2001 Version\r\n") && netlist.ends_with("\r\n999\r\n")) << netlist;
        return netlist;
    }
};

TEST_F(ExportCliOptions, OutputFileIsWrittenWhereNamed)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    std::filesystem::create_directory(folder.file("out"));
    const ProgramRun run = exportDesign({"-o", "out/net.ipc"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Written to .out/net.ipc\n");
    EXPECT_EQ(ReadBytes(folder.file("out/net.ipc")), plainNetlist());
    EXPECT_EQ(filesLeft(), (Lines{"Nodewick.ini", "board.json", "out"}));
    EXPECT_EQ(FileNames(folder.file("out")), Lines{"net.ipc"});
}

TEST_F(ExportCliOptions, OutputDashWritesTheNetlistAloneToStandardOutput)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramRun run = exportDesign({"--output", "-"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, plainNetlist());
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(filesLeft(), (Lines{"Nodewick.ini", "board.json"}));
}

TEST_F(ExportCliOptions, OutputNamesOneDesignOnly)
{
    const ProgramRun run = RunProgram({kExporter, "a.json", "b.json", "-o", "x.ipc"}, folder.path(), scratch);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "nodewick-export: -o/--output names the netlist of one design; 2 designs were given\n");
}

TEST_F(ExportCliOptions, NoSettingsNeitherReadsNorWritesTheSettingsFile)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    WriteBytes(folder.file("Nodewick.ini"), "Inner2   4\r\nTop   1\r\n");
    const ProgramRun run = exportDesign({"--no-settings"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");  // the file's missing layers would have been warned about
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Inner2   4\r\nTop   1\r\n");
    EXPECT_NE(ReadBytes(folder.file("board.ipc")).find("C ************Layer 1 Top   1**********\r\n"
                                                       "C ************Layer 2 Bottom   2**********\r\n"),
              std::string::npos);

    std::filesystem::remove(folder.file("Nodewick.ini"));
    EXPECT_EQ(exportDesign({"--no-settings"}).exitCode, 0);
    EXPECT_EQ(filesLeft(), (Lines{"board.ipc", "board.json"}));
}

TEST_F(ExportCliOptions, DesignFromStandardInputGoesToTheNamedOutput)
{
    WriteBytes(scratch.file("piped.json"), SmallDesign());
    const ProgramRun run = RunProgram(ProgramStart{.arguments = {kExporter, "-", "-o", "net.ipc"},
                                                   .workingFolder = folder.path(),
                                                   .input = scratch.file("piped.json")},
                                      scratch);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Written to .net.ipc\n");
    // The settings file belongs to a design's folder, and this design has none.
    EXPECT_EQ(filesLeft(), Lines{"net.ipc"});
    const std::string netlist = ReadBytes(folder.file("net.ipc"));
    EXPECT_NE(netlist.find("327GND              U12   -14         A01X 012345Y 005000X0600Y0200R90  S1\r\n"),
              std::string::npos)
        << netlist;
}

TEST_F(ExportCliOptions, DesignFromStandardInputNeedsAnOutput)
{
    const ProgramRun run = RunProgram({kExporter, "-"}, folder.path(), scratch);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "nodewick-export: a design read from standard input (-) has no folder to write beside: "
                       "give -o FILE\n");
}

TEST_F(ExportCliOptions, BrokenDesignFromStandardInputIsNamedAsSuch)
{
    WriteBytes(scratch.file("piped.json"), "{\"nodewickDesign\": 1, \"layers\": [");
    const ProgramRun run = RunProgram(ProgramStart{.arguments = {kExporter, "-", "-o", "net.ipc"},
                                                   .workingFolder = folder.path(),
                                                   .input = scratch.file("piped.json")},
                                      scratch);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.starts_with("nodewick-export: standard input")) << run.err;
    EXPECT_TRUE(filesLeft().empty());
}

TEST_F(ExportCliOptions, SeveralDesignsAreExportedEachOnItsOwnWithTheWorstStatus)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    WriteBytes(folder.file("second.json"), SmallDesign("10mil"));
    const ProgramRun run = RunProgram({kExporter, "board.json", "missing.json", "second.json"}, folder.path(), scratch);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Written to .board.ipc\nWritten to .second.ipc\n");
    EXPECT_EQ(run.err, "nodewick-export: missing.json: cannot open the file: No such file or directory\n");
    EXPECT_NE(ReadBytes(folder.file("second.ipc")).find("327GND              U12   -14         A01X 000100Y 005000"),
              std::string::npos);
    EXPECT_EQ(filesLeft(), (Lines{"Nodewick.ini", "board.ipc", "board.json", "second.ipc", "second.json"}));
}

TEST_F(ExportCliOptions, QuietPrintsNeitherTheStatusNorWarnings)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    WriteBytes(folder.file("Nodewick.ini"), "\r\n");
    const ProgramRun run = exportDesign({"-q"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(std::filesystem::exists(folder.file("board.ipc")));

    const ProgramRun failed = exportDesign({"--quiet"}, "missing.json");
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "nodewick-export: missing.json: cannot open the file: No such file or directory\n");
}

TEST_F(ExportCliOptions, QuietAndVerboseTogetherAreRefused)
{
    const ProgramRun run = exportDesign({"-q", "--verbose"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "nodewick-export: --quiet and --verbose contradict each other\n");
}

TEST_F(ExportCliOptions, JsonPrintsOneSummaryPerDesign)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    WriteBytes(folder.file("Nodewick.ini"), "Top   1\r\nBottom   2\r\nInner1   3\r\n");
    const ProgramRun run = RunProgram({kExporter, "--json", "board.json", "missing.json"}, folder.path(), scratch);
    EXPECT_EQ(run.exitCode, 1);
    const std::string warning =
        folder.file("Nodewick.ini") + ": the layer \\\"Inner2   4\\\" is missing; it is added as layer 4";
    EXPECT_EQ(run.out, "{\"design\":\"board.json\",\"written\":true,\"netlist\":\"" + folder.file("board.ipc") +
                           "\",\"nets\":1,\"pads\":1,\"vias\":1,\"records\":2,\"aliases\":0,\"warnings\":[\"" +
                           warning + "\"]}\n"
                           "{\"design\":\"missing.json\",\"written\":false,\"netlist\":null,\"nets\":0,\"pads\":0,"
                           "\"vias\":0,\"records\":0,\"aliases\":0,\"warnings\":[],\"error\":\"missing.json: cannot "
                           "open the file: No such file or directory\"}\n");
}

TEST_F(ExportCliOptions, JsonAndNetlistCannotBothGoToStandardOutput)
{
    const ProgramRun run = exportDesign({"--json", "-o", "-"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "nodewick-export: --json and -o - would both write to standard output\n");
}

TEST_F(ExportCliOptions, OffsetWithTheChosenUnitsSuffixIsTaken)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    ASSERT_EQ(exportDesign({"--offset", "12.5mil,-3mil"}).exitCode, 0);
    EXPECT_NE(ReadBytes(folder.file("board.ipc")).find("C Offset =       (X: 12.5mil Y: -3.0mil)\r\n"),
              std::string::npos);
    ASSERT_EQ(exportDesign({"--units", "mm", "--offset", "+.5mm,0"}).exitCode, 0);
    EXPECT_NE(ReadBytes(folder.file("board.ipc")).find("C Offset =       (X: 0.500mm Y: 0.000mm)\r\n"),
              std::string::npos);
}

TEST_F(ExportCliOptions, OffsetThatIsNotANumberInTheChosenUnitIsAUsageError)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    struct Refused {
        std::vector<std::string> options;
        std::string message;
    };
    const std::vector<Refused> cases = {
        {{"--offset", "1e12,0"}, "the X offset \"1e12\" is not a number: give a decimal such as 12.5 or -0.25, "
                                 "optionally followed by mil"},
        {{"--offset", "abc,def"}, "the X offset \"abc\" is not a number: give a decimal such as 12.5 or -0.25, "
                                  "optionally followed by mil"},
        {{"--offset", "0,"}, "the Y offset \"\" is not a number: give a decimal such as 12.5 or -0.25, optionally "
                             "followed by mil"},
        {{"--offset", "0,12.5 mil"}, "the Y offset \"12.5 mil\" is not a number: give a decimal such as 12.5 or "
                                     "-0.25, optionally followed by mil"},
        {{"--units", "mm", "--offset", "12.5mil,0"}, "the X offset \"12.5mil\" is in mils, but --units is mm"},
        {{"--offset", "0,1.5mm"}, "the Y offset \"1.5mm\" is in mm, but --units is mils"},
        {{"--units", "mm", "--offset", "0,100"}, "the Y offset \"100\" is more than the largest, 99.999mm"},
    };
    for (const Refused& refused : cases) {
        const ProgramRun run = exportDesign(refused.options);
        EXPECT_EQ(run.exitCode, 2) << refused.message;
        EXPECT_EQ(run.err, "nodewick-export: --offset: " + refused.message + "\n");
    }
    const ProgramRun pair = exportDesign({"--offset", "1,2,3"});
    EXPECT_EQ(pair.exitCode, 2);
    EXPECT_EQ(filesLeft(), Lines{"board.json"});
}

TEST_F(ExportCliOptions, ViewerThatCannotStartFailsTheRunButKeepsTheNetlist)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    ::setenv("NODEWICK_VIEWER", "/nonexistent/viewer", 1);
    const ProgramRun run = exportDesign({"--view"});
    ::unsetenv("NODEWICK_VIEWER");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Written to .board.ipc\n");
    EXPECT_EQ(run.err, "nodewick-export: Cannot start the text viewer /nonexistent/viewer: No such file or directory\n");
    EXPECT_TRUE(ReadBytes(folder.file("board.ipc")).ends_with("999\r\n"));
}

TEST_F(ExportCliOptions, HelpStatesTheExitCodesAndTheFilesWritten)
{
    const ProgramRun help = RunProgram({kExporter, "--help"}, folder.path(), scratch);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part : {"Usage: nodewick-export [OPTIONS] DESIGN...", "up to its first \".\" followed by \"ipc\"",
                             "Nodewick.ini", "0  every netlist was written",
                             "1  a design could not be exported, or the viewer could not be started",
                             "2  the command line is wrong; nothing was exported", "-o,--output FILE",
                             "--no-settings", "-q,--quiet", "--json"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part << "\n" << help.out;
}

} // namespace
} // namespace nodewick::testing
