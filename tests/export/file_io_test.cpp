#include "export/file_io.h"

#include <csignal>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>

#include <gtest/gtest.h>

#include "base/error.h"
#include "temp_folder.h"

namespace nodewick::exporter {
namespace {

using nodewick::testing::FileNames;
using nodewick::testing::ReadBytes;
using nodewick::testing::TempFolder;
using nodewick::testing::WriteBytes;
using Names = std::vector<std::string>;

#ifndef _WIN32
// The id of a process that has ended and been reaped.
long EndedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}
#endif

TEST(TemporaryPath, HiddenBesideTheFileWithTheProcessAndAttempt)
{
    EXPECT_EQ(TemporaryPath("/pcb/board.ipc", 4711, 0), "/pcb/.board.ipc.nodewick-4711-0.tmp");
    EXPECT_EQ(TemporaryPath("Nodewick.ini", 12, 3), ".Nodewick.ini.nodewick-12-3.tmp");
}

TEST(RemoveLeftoverTemporaries, OnlyTemporariesOfEndedRunsGo)
{
#ifdef _WIN32
    GTEST_SKIP() << "fork, signals and POSIX file kinds are not Windows'";
#else
    TempFolder folder;
    const long ended = EndedProcessId();
    const std::string endedRun = ".board.ipc.nodewick-" + std::to_string(ended) + "-0.tmp";
    const std::string runningRun = ".board.ipc.nodewick-" + std::to_string(::getpid()) + "-0.tmp";
    const Names others{".board.ipc.nodewick-x-0.tmp", ".board.ipc." + std::to_string(ended) + "-0.tmp",
                       "board.ipc.nodewick-" + std::to_string(ended) + "-0.tmp", "board.ipc"};
    for (const std::string& name : others)
        WriteBytes(folder.file(name), "kept");
    WriteBytes(folder.file(endedRun), "partial");
    WriteBytes(folder.file(runningRun), "being written");

    EXPECT_EQ(RemoveLeftoverTemporaries(folder.path()), 1);
    Names expected = others;
    expected.push_back(runningRun);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FileNames(folder.path()), expected);
#endif
}

TEST(RequireReplaceable, RegularFilesLinksAndMissingNamesPass)
{
#ifdef _WIN32
    GTEST_SKIP() << "fork, signals and POSIX file kinds are not Windows'";
#else
    TempFolder folder;
    WriteBytes(folder.file("board.ipc"), "");
    std::filesystem::create_symlink("/nowhere", folder.file("link.ipc"));
    EXPECT_NO_THROW(RequireReplaceable(folder.file("board.ipc"), "the netlist"));
    EXPECT_NO_THROW(RequireReplaceable(folder.file("link.ipc"), "the netlist"));
    EXPECT_NO_THROW(RequireReplaceable(folder.file("missing.ipc"), "the netlist"));
#endif
}

TEST(RequireReplaceable, FifoDeviceAndFolderAreRefusedByKind)
{
#ifdef _WIN32
    GTEST_SKIP() << "fork, signals and POSIX file kinds are not Windows'";
#else
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe.ipc").c_str(), 0644), 0);
    try {
        RequireReplaceable(folder.file("pipe.ipc"), "the netlist");
        FAIL() << "a FIFO would have been replaced";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The netlist " + folder.file("pipe.ipc") + " is a FIFO (named pipe), not a regular file; it is not "
                                                             "replaced");
    }
    EXPECT_THROW(RequireReplaceable("/dev/null", "the netlist"), FileError);
    EXPECT_THROW(RequireReplaceable(folder.path(), "the netlist"), FileError);
#endif
}

TEST(ReplacementFile, UncommittedFileLeavesNothing)
{
    TempFolder folder;
    WriteBytes(folder.file("board.ipc"), "earlier");
    {
        ReplacementFile file(folder.file("board.ipc"), "the netlist");
        file.write("half a netl");
        EXPECT_EQ(FileNames(folder.path()).size(), 2u);
    }
    EXPECT_EQ(FileNames(folder.path()), Names{"board.ipc"});
    EXPECT_EQ(ReadBytes(folder.file("board.ipc")), "earlier");
}

TEST(ReplacementFile, CommitPutsTheWholeContentInPlace)
{
    TempFolder folder;
    WriteBytes(folder.file("board.ipc"), "earlier");
    ReplacementFile file(folder.file("board.ipc"), "the netlist");
    file.write("999\r\n");
    EXPECT_EQ(ReadBytes(folder.file("board.ipc")), "earlier");
    file.commit();
    EXPECT_EQ(ReadBytes(folder.file("board.ipc")), "999\r\n");
    EXPECT_EQ(FileNames(folder.path()), Names{"board.ipc"});
}

// The child writes a temporary file and is ended by SIGTERM halfway; the
// handler removes the file, and the process still ends by the signal.
TEST(ReplacementFile, TerminationSignalRemovesTheTemporaryFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "fork, signals and POSIX file kinds are not Windows'";
#else
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        TempFolder folder;
        const pid_t child = ::fork();
        if (child == 0) {
            ReplacementFile file(folder.file("board.ipc"), "the netlist");
            file.write("half");
            ::raise(signalNumber);
            ::_exit(0);  // not reached when the signal ends the process
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << "signal " << signalNumber;
        EXPECT_TRUE(FileNames(folder.path()).empty()) << "signal " << signalNumber;
    }
#endif
}

TEST(ReplacementFile, SignalAfterCommitLeavesTheFileInPlace)
{
#ifdef _WIN32
    GTEST_SKIP() << "fork, signals and POSIX file kinds are not Windows'";
#else
    TempFolder folder;
    const pid_t child = ::fork();
    if (child == 0) {
        {
            ReplacementFile file(folder.file("board.ipc"), "the netlist");
            file.write("999\r\n");
            file.commit();
        }
        ::raise(SIGTERM);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadBytes(folder.file("board.ipc")), "999\r\n");
#endif
}

} // namespace
} // namespace nodewick::exporter
