#include "export/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace nodewick::exporter {
namespace {

using nodewick::testing::FileNames;
using nodewick::testing::ReadBytes;
using nodewick::testing::TempFolder;
using nodewick::testing::WriteBytes;
using Entries = std::vector<std::string>;

TEST(ReadSettingsFile, FolderWithoutTheFileGivesNothing)
{
    TempFolder folder;
    EXPECT_EQ(ReadSettingsFile(folder.path()), std::nullopt);
}

TEST(ReadSettingsFile, NameInOtherLetterCaseIsNotRead)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows file names are the same in any letter case";
#endif
    TempFolder folder;
    WriteBytes(folder.file("nodewick.ini"), "Top   1\r\n");
    WriteBytes(folder.file("NODEWICK.INI"), "Top   1\r\n");
    EXPECT_EQ(ReadSettingsFile(folder.path()), std::nullopt);
}

TEST(ReadSettingsFile, ZeroByteFileGivesAnEmptyList)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "");
    EXPECT_EQ(ReadSettingsFile(folder.path()), Entries{});
}

TEST(ReadSettingsFile, LinesBecomeEntriesInFileOrder)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "Top   1\r\nBottom   2\r\n");
    EXPECT_EQ(ReadSettingsFile(folder.path()), (Entries{"Top   1", "Bottom   2"}));
}

TEST(ReadSettingsFile, LinesAreTakenUnchanged)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "  Top   1  \r\n\r\nno id here\r\nInner\t3\r\n");
    EXPECT_EQ(ReadSettingsFile(folder.path()), (Entries{"  Top   1  ", "", "no id here", "Inner\t3"}));
}

TEST(ReadSettingsFile, LastLineWithoutLineEndIsRead)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "Top   1\r\nBottom   2");
    EXPECT_EQ(ReadSettingsFile(folder.path()), (Entries{"Top   1", "Bottom   2"}));
}

TEST(ReadSettingsFile, FileEditedWithUnixLineEndsIsRead)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "Top   1\nBottom   2\n");
    EXPECT_EQ(ReadSettingsFile(folder.path()), (Entries{"Top   1", "Bottom   2"}));
}

TEST(ReadSettingsFile, FolderNamedLikeTheFileIsNotASettingsFile)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.file("Nodewick.ini"));
    EXPECT_EQ(ReadSettingsFile(folder.path()), std::nullopt);
}

TEST(WriteSettingsFile, EveryEntryEndsWithCrLf)
{
    TempFolder folder;
    const std::string path = WriteSettingsFile(folder.path(), {"Bottom   2", "Top   1"});
    EXPECT_EQ(path, folder.file("Nodewick.ini"));
    EXPECT_EQ(ReadBytes(path), "Bottom   2\r\nTop   1\r\n");
}

TEST(ReadSettingsFile, FifoIsRefusedAtOnce)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("Nodewick.ini").c_str(), 0644), 0);
    const auto started = std::chrono::steady_clock::now();
    try {
        ReadSettingsFile(folder.path());
        FAIL() << "a FIFO was read as a settings file";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(std::string(error.what()), folder.file("Nodewick.ini") + ": this is a FIFO (named pipe), not a "
                                                                           "regular file; only a regular file is read");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
#endif
}

TEST(ReadSettingsFile, DeviceIsRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    TempFolder folder;
    std::filesystem::create_symlink("/dev/zero", folder.file("Nodewick.ini"));
    EXPECT_THROW(ReadSettingsFile(folder.path()), SettingsFileError);
#endif
}

TEST(WriteSettingsFile, EmptyListGivesZeroBytesAndReplacesTheOldFile)
{
    TempFolder folder;
    WriteBytes(folder.file("Nodewick.ini"), "Top   1\r\nBottom   2\r\n");
    WriteSettingsFile(folder.path(), {});
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "");
}

TEST(WriteSettingsFile, WrittenFileReadsBackTheSameEntries)
{
    TempFolder folder;
    const Entries entries{"Top   1", "", "Inner 2   15"};
    WriteSettingsFile(folder.path(), entries);
    EXPECT_EQ(ReadSettingsFile(folder.path()), entries);
}

TEST(WriteSettingsFile, SymbolicLinkIsReplacedAndItsTargetLeftAlone)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    TempFolder folder;
    TempFolder elsewhere;
    WriteBytes(elsewhere.file("shared.ini"), "Top   1\r\n");
    std::filesystem::create_symlink(elsewhere.file("shared.ini"), folder.file("Nodewick.ini"));
    WriteSettingsFile(folder.path(), {"Bottom   2"});
    EXPECT_EQ(ReadBytes(elsewhere.file("shared.ini")), "Top   1\r\n");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.file("Nodewick.ini")));
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Bottom   2\r\n");
#endif
}

TEST(WriteSettingsFile, DanglingLinkDoesNotCreateItsTarget)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    TempFolder folder;
    TempFolder elsewhere;
    std::filesystem::create_symlink(elsewhere.file("never.ini"), folder.file("Nodewick.ini"));
    WriteSettingsFile(folder.path(), {"Top   1"});
    EXPECT_FALSE(std::filesystem::exists(elsewhere.file("never.ini")));
    EXPECT_EQ(ReadBytes(folder.file("Nodewick.ini")), "Top   1\r\n");
#endif
}

TEST(WriteSettingsFile, FifoAtTheNameIsRefusedAndKept)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("Nodewick.ini").c_str(), 0644), 0);
    EXPECT_THROW(WriteSettingsFile(folder.path(), {"Top   1"}), SettingsFileError);
    struct stat info {};
    ASSERT_EQ(::lstat(folder.file("Nodewick.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(FileNames(folder.path()), Entries{"Nodewick.ini"});
#endif
}

TEST(WriteSettingsFile, FailureNamesThePathAndTheReason)
{
    TempFolder folder;
    const std::string missing = folder.file("no-such-folder/");
    try {
        WriteSettingsFile(missing, {"Top   1"});
        FAIL() << "writing into a missing folder succeeded";
    } catch (const SettingsFileError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(missing + "Nodewick.ini"), std::string::npos) << message;
        EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    }
}

const Entries kDesign{"Top   1", "Bottom   2", "Inner1   3", "Inner2   4"};

TEST(ReconcileLayerOrder, FileNamingExactlyTheDesignsLayersIsTakenAsItStands)
{
    const ReconciledLayers reconciled =
        ReconcileLayerOrder({"Inner2   4", "Top   1", "Bottom   2", "Inner1   3"}, kDesign, "Nodewick.ini");
    EXPECT_EQ(reconciled.entries, (Entries{"Inner2   4", "Top   1", "Bottom   2", "Inner1   3"}));
    EXPECT_TRUE(reconciled.warnings.empty());
}

TEST(ReconcileLayerOrder, EmptyFileGivesTheDesignsLayersInDbxOrder)
{
    const ReconciledLayers reconciled = ReconcileLayerOrder({}, {"Top   1", "Bottom   2"}, "Nodewick.ini");
    EXPECT_EQ(reconciled.entries, (Entries{"Top   1", "Bottom   2"}));
    EXPECT_EQ(reconciled.warnings, (Entries{"Nodewick.ini: the layer \"Top   1\" is missing; it is added as layer 1",
                                            "Nodewick.ini: the layer \"Bottom   2\" is missing; it is added as layer 2"}));
}

// The file of another board in the same folder: four layers for a board of two.
TEST(ReconcileLayerOrder, LayersTheDesignLacksAreDropped)
{
    const ReconciledLayers reconciled =
        ReconcileLayerOrder({"Bottom   2", "Inner1   3", "Top   1", "Inner2   4"}, {"Top   1", "Bottom   2"}, "a.ini");
    EXPECT_EQ(reconciled.entries, (Entries{"Bottom   2", "Top   1"}));
    EXPECT_EQ(reconciled.warnings, (Entries{"a.ini line 2: \"Inner1   3\" names no layer of the design; it is dropped",
                                            "a.ini line 4: \"Inner2   4\" names no layer of the design; it is dropped"}));
}

TEST(ReconcileLayerOrder, BlankLinesRepeatsAndUnreadableLinesAreDropped)
{
    const ReconciledLayers reconciled = ReconcileLayerOrder(
        {"Bottom   2", "", "Bottom   2", "no id here", "Top   1", ""}, {"Top   1", "Bottom   2"}, "a.ini");
    EXPECT_EQ(reconciled.entries, (Entries{"Bottom   2", "Top   1"}));
    EXPECT_EQ(reconciled.warnings, (Entries{"a.ini line 2: is blank; it is dropped",
                                            "a.ini line 3: \"Bottom   2\" names layer 2 again; it is dropped",
                                            "a.ini line 4: \"no id here\" names no layer of the design; it is dropped",
                                            "a.ini line 6: is blank; it is dropped"}));
}

TEST(ReconcileLayerOrder, MissingLayersFollowTheSavedOnesInDbxOrder)
{
    const ReconciledLayers reconciled = ReconcileLayerOrder({"Inner1   3"}, kDesign, "a.ini");
    EXPECT_EQ(reconciled.entries, (Entries{"Inner1   3", "Top   1", "Bottom   2", "Inner2   4"}));
    EXPECT_EQ(reconciled.warnings.size(), 3u);
    EXPECT_EQ(reconciled.warnings.back(), "a.ini: the layer \"Inner2   4\" is missing; it is added as layer 4");
}

// A layer is known by its id; a renamed layer keeps its saved place under its
// new name, so the layer lines show what the design calls it now.
TEST(ReconcileLayerOrder, RenamedLayerKeepsItsPlaceUnderItsNewName)
{
    const ReconciledLayers reconciled =
        ReconcileLayerOrder({"Bottom   2", "Copper top   1"}, {"Top   1", "Bottom   2"}, "a.ini");
    EXPECT_EQ(reconciled.entries, (Entries{"Bottom   2", "Top   1"}));
    EXPECT_EQ(reconciled.warnings,
              Entries{"a.ini line 2: \"Copper top   1\" is layer \"Top   1\" of the design now"});
}

} // namespace
} // namespace nodewick::exporter
