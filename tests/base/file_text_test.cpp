#include "base/file_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "base/error.h"

namespace fs = std::filesystem;

namespace {

class FileText : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / ("nodewick-base-" + std::string(test->name()) + "-" +
                                              std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string errorOf(const fs::path& path) const
    {
        try {
            nodewick::ReadWholeFile(path);
        } catch (const nodewick::FileError& error) {
            return error.what();
        }
        return "(read)";
    }

    fs::path folder;
};

} // namespace

TEST_F(FileText, ReadsEveryByteOfARegularFile)
{
    const std::string content("line 1\r\nNUL \0 inside\n\xFF", 22);
    std::ofstream(folder / "a.txt", std::ios::binary) << content;
    EXPECT_EQ(nodewick::ReadWholeFile(folder / "a.txt"), content);
    std::ofstream(folder / "empty.txt", std::ios::binary);
    EXPECT_EQ(nodewick::ReadWholeFile(folder / "empty.txt"), "");
}

TEST_F(FileText, AFifoIsRefusedAtOnceInsteadOfWaitingForAWriter)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    const fs::path fifo = folder / "design.json";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // No one writes to the FIFO: a plain open for reading would block here.
    EXPECT_EQ(errorOf(fifo), fifo.string() + ": this is a FIFO (named pipe), not a regular file; only a regular file "
                                             "is read");
#endif
}

TEST_F(FileText, AFolderAndADeviceAreNamedForWhatTheyAre)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    EXPECT_EQ(errorOf(folder), folder.string() + ": this is a folder, not a regular file; only a regular file is read");
    EXPECT_EQ(errorOf("/dev/null"), "/dev/null: this is a character device, not a regular file; only a regular file is read");
#endif
}

TEST_F(FileText, AMissingFileGivesTheSystemsReason)
{
    EXPECT_EQ(errorOf(folder / "missing.json"),
              (folder / "missing.json").string() + ": cannot open the file: No such file or directory");
}
