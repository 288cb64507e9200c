// End-to-end: what nodewick-export does to the file system when runs meet,
// links and pipes stand in the way, a run is killed, or names are not ASCII.

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "export_cli_fixture.h"

namespace nodewick::testing {
namespace {

using namespace std::chrono_literals;

// A board of many one-pad nets, large enough that writing its netlist takes
// a noticeable part of a second.
std::string ManyNetsDesign(int nets)
{
    std::string design = R"({"nodewickDesign": 1, "layers": [{"id": 1, "name": "Top", "type": 0},
  {"id": 2, "name": "Bottom", "type": 0}],
  "padStyles": [{"id": 0, "name": "SMD", "hole": 0, "start": 1, "end": 1,
                 "shapes": [{"layer": 1, "width": "60mil", "height": "20mil"}]}],
  "components": [{"refDes": "U1", "side": 0}], "nets": [)";
    for (int i = 1; i <= nets; ++i) {
        const std::string n = std::to_string(i);
        design += (i > 1 ? "," : "") + std::string(R"({"id":)") + n + R"(,"name":"N)" + n +
                  R"(","nodes":[{"refDes":"U1","pin":")" + n + R"(","padStyle":0,"x":")" + std::to_string(i % 9000) +
                  R"(mil","y":"500mil"}]})";
    }
    return design + "]}";
}

// Whether the process is writing big.ipc under its temporary name.
bool HasTemporaryOf(const std::string& folder, pid_t process)
{
    const std::string start = ".big.ipc.nodewick-" + std::to_string(process) + "-";
    for (const std::string& name : FileNames(folder)) {
        if (name.starts_with(start))
            return true;
    }
    return false;
}

// Starts an export of big.json and waits until it writes its temporary netlist.
pid_t StartedAndWriting(const ProgramStart& start, const TempFolder& folder, const TempFolder& scratch)
{
    const pid_t child = StartProgram(start, scratch);
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!HasTemporaryOf(folder.path(), child) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    return child;
}

TEST_F(ExportCli, TwoExportsAtOnceInOneFolderEachWriteAWholeNetlist)
{
    // Two designs of one folder share the saved order, which lacks nothing.
    WriteBytes(folder.file("board.json"), SmallDesign());
    WriteBytes(folder.file("other.json"), SmallDesign());
    const std::string order = "Inner2   4\r\nTop   1\r\nBottom   2\r\nInner1   3\r\n";
    WriteBytes(folder.file("Nodewick.ini"), order);
    ASSERT_EQ(exportDesign({}).exitCode, 0);
    const std::string single = ReadBytes(folder.file("board.ipc"));
    ASSERT_NE(single.find("C ************Layer 1 Inner2   4**********\r\n"), std::string::npos) << single;

    for (int round = 0; round < 15; ++round) {
        const ProgramStart first{.arguments = {kExporter, "board.json"}, .workingFolder = folder.path()};
        const ProgramStart second{.arguments = {kExporter, "other.json"}, .workingFolder = folder.path(),
                                  .outName = "out2.txt", .errName = "err2.txt"};
        const pid_t a = StartProgram(first, scratch);
        const pid_t b = StartProgram(second, scratch);
        const ProgramRun ranA = FinishProgram(a, first, scratch);
        const ProgramRun ranB = FinishProgram(b, second, scratch);
        ASSERT_EQ(ranA.exitCode, 0) << ranA.err;
        ASSERT_EQ(ranB.exitCode, 0) << ranB.err;
        // A run that had read a half-written settings file would warn.
        ASSERT_EQ(ranA.err + ranB.err, "") << "round " << round;
        ASSERT_EQ(ReadBytes(folder.file("board.ipc")), single) << "round " << round;
        ASSERT_EQ(ReadBytes(folder.file("Nodewick.ini")), order) << "round " << round;
        const std::string other = ReadBytes(folder.file("other.ipc"));
        ASSERT_TRUE(other.ends_with("999\r\n")) << "round " << round;
    }
    EXPECT_EQ(filesLeft(), (Lines{"Nodewick.ini", "board.ipc", "board.json", "other.ipc", "other.json"}));
}

TEST_F(ExportCli, SymlinkedSettingsFileIsLeftUntouchedAtItsTarget)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    const std::string target = scratch.file("shared.ini");
    WriteBytes(target, "Bottom   2\r\nTop   1\r\nInner1   3\r\nInner2   4\r\n");
    std::filesystem::create_symlink(target, folder.file("Nodewick.ini"));
    const ProgramRun run = exportDesign({"--layers", "Top"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(target), "Bottom   2\r\nTop   1\r\nInner1   3\r\nInner2   4\r\n");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.file("Nodewick.ini")));
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Top   1\r\nBottom   2\r\nInner1   3\r\nInner2   4\r\n");
}

TEST_F(ExportCli, DanglingSettingsLinkNeverCreatesItsTarget)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    std::filesystem::create_symlink(scratch.file("never.ini"), folder.file("Nodewick.ini"));
    ASSERT_EQ(exportDesign({}).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(scratch.file("never.ini")));
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Top   1\r\nBottom   2\r\nInner1   3\r\nInner2   4\r\n");
}

// The FIFO is neither read nor replaced: the design's own order is exported,
// and both refusals are warned about.
TEST_F(ExportCli, FifoAsSettingsFileIsRefusedAtOnce)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    ASSERT_EQ(::mkfifo(folder.file("Nodewick.ini").c_str(), 0644), 0);
    const ProgramStart start{.arguments = {kExporter, "board.json"}, .workingFolder = folder.path()};
    const ProgramRun run = RunProgram(start, scratch, 2s);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "nodewick-export: warning: " + folder.file("Nodewick.ini") +
                           ": this is a FIFO (named pipe), not a regular file; only a regular file is read\n"
                           "nodewick-export: warning: The settings file " + folder.file("Nodewick.ini") +
                           " is a FIFO (named pipe), not a regular file; it is not replaced; the layer order is not "
                           "saved\n");
    struct stat info {};
    ASSERT_EQ(::lstat(folder.file("Nodewick.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_NE(ReadBytes(folder.file("board.ipc")).find("C ************Layer 1 Top   1**********\r\n"),
              std::string::npos);
}

TEST_F(ExportCli, FifoAtTheNetlistNameIsRefusedAndKept)
{
    WriteBytes(folder.file("board.json"), SmallDesign());
    ASSERT_EQ(::mkfifo(folder.file("board.ipc").c_str(), 0644), 0);
    const ProgramStart start{.arguments = {kExporter, "board.json"}, .workingFolder = folder.path()};
    const ProgramRun run = RunProgram(start, scratch, 2s);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "nodewick-export: The netlist " + folder.file("board.ipc") +
                           " is a FIFO (named pipe), not a regular file; it is not replaced\n");
    struct stat info {};
    ASSERT_EQ(::lstat(folder.file("board.ipc").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(filesLeft(), (Lines{"board.ipc", "board.json"}));
}

TEST_F(ExportCli, RunKilledHalfwayLeavesACleanFolder)
{
    WriteBytes(folder.file("big.json"), ManyNetsDesign(200000));
    WriteBytes(folder.file("board.json"), SmallDesign());
    const ProgramStart start{.arguments = {kExporter, "big.json"}, .workingFolder = folder.path()};

    // Terminated: the run removes its temporary netlist itself.
    const pid_t terminated = StartedAndWriting(start, folder, scratch);
    ASSERT_TRUE(HasTemporaryOf(folder.path(), terminated)) << "the run ended before it could be stopped";
    ::kill(terminated, SIGTERM);
    EXPECT_EQ(FinishProgram(terminated, start, scratch).exitCode, 128 + SIGTERM);
    EXPECT_EQ(filesLeft(), (Lines{"big.json", "board.json"}));

    // Killed outright: nothing can clean up, until the next run in the folder.
    const pid_t killed = StartedAndWriting(start, folder, scratch);
    ASSERT_TRUE(HasTemporaryOf(folder.path(), killed)) << "the run ended before it could be killed";
    ::kill(killed, SIGKILL);
    EXPECT_EQ(FinishProgram(killed, start, scratch).exitCode, 128 + SIGKILL);
    EXPECT_TRUE(HasTemporaryOf(folder.path(), killed));
    ASSERT_EQ(exportDesign({}).exitCode, 0);
    EXPECT_EQ(filesLeft(), (Lines{"Nodewick.ini", "big.json", "board.ipc", "board.json"}));
}

// On disk the names are UTF-8; in the netlist, a DBX text, the name is in the
// code page (ä is 0xE4 in Windows-1252).
TEST_F(ExportCli, NonAsciiFolderAndDesignNameRoundTrip)
{
    const std::string subfolder = folder.file("Entw\xC3\xBC" "rfe");
    std::filesystem::create_directory(subfolder);
    WriteBytes(subfolder + "/Platine-\xC3\xA4.json", SmallDesign());
    const ProgramRun run = exportDesign({}, "Entw\xC3\xBC" "rfe/Platine-\xC3\xA4.json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Written to .Platine-\xC3\xA4.ipc\n");
    EXPECT_EQ(FileNames(subfolder), (Lines{"Nodewick.ini", "Platine-\xC3\xA4.ipc", "Platine-\xC3\xA4.json"}));
    EXPECT_NE(ReadBytes(subfolder + "/Platine-\xC3\xA4.ipc").find("P  JOB Platine-\xE4.json\r\n"), std::string::npos);
}

} // namespace
} // namespace nodewick::testing
