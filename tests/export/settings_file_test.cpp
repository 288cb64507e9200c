#include "export/settings_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace nodewick::exporter {
namespace {

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

} // namespace
} // namespace nodewick::exporter
