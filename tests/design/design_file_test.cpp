#include "design/design_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using nodewick::DesignError;
using namespace nodewick::design;
using namespace nodewick::dbx;
namespace dbx = nodewick::dbx;
namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed afterwards.
class DesignFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("nodewick-dbx-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path write(const std::string& name, const std::string& content) const
    {
        const fs::path file = folder / name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

    std::string loadError(const fs::path& file) const
    {
        try {
            LoadDesignFile(file);
        } catch (const nodewick::DesignError& error) {
            return error.what();
        } catch (const nodewick::FileError& error) {
            return error.what();
        }
        return "(loaded)";
    }

    fs::path folder;
};

} // namespace

TEST_F(DesignFile, JsonIsRecognisedByContentWhateverTheExtension)
{
    const fs::path file = write("board.pcb", "\xEF\xBB\xBF \r\n\t{\"nodewickDesign\": 1, \"title\": \"T\"}");
    const LoadedDesign loaded = LoadDesignFile(file);
    EXPECT_EQ(loaded.design.title, "T");
    EXPECT_EQ(loaded.design.path, file.string());
}

// A P-CAD file goes to the P-CAD reader: it is neither refused as unknown nor
// read as JSON. Whether the reader takes a bare header is the reader's business.
TEST_F(DesignFile, PcadAsciiFileGoesToThePcadReader)
{
    for (const char* header : {"ACCEL_ASCII \"x.pcb\"\n", "PCAD_ASCII \"x.pcb\"\n", "\n TangoPRO_ASCII\n",
                               "accel_ascii \"x.pcb\"\n"}) {
        const std::string message = loadError(write("board.pcb", header));
        EXPECT_EQ(message.find("not a design file"), std::string::npos) << message;
        EXPECT_EQ(message.find("JSON"), std::string::npos) << message;
        EXPECT_TRUE(message == "(loaded)" || message.find("board.pcb") != std::string::npos) << message;
    }
}

// Some writers wrap the whole file in one outer parenthesis; it is still a
// P-CAD file and must reach the reader, which takes it.
TEST_F(DesignFile, WrappedPcadAsciiFileLoads)
{
    const fs::path file = write("wrapped.pcb", "(PCAD_ASCII \"D:\\Old\\wrapped.pcb\"\n"
                                               "(asciiHeader (fileUnits mm))\n"
                                               "(pcbDesign \"D\" (layerDef \"Top\" (layerNum 1) (layerType Signal)))\n"
                                               ")\n");
    const LoadedDesign loaded = LoadDesignFile(file);
    ASSERT_EQ(loaded.design.layers.size(), 1u);
    EXPECT_EQ(loaded.design.layers[0].name, "Top");
}

TEST_F(DesignFile, OtherContentIsNotADesignFile)
{
    const fs::path file = write("notes.txt", "ACCEL_ASCIIZ\n");
    EXPECT_EQ(loadError(file), file.string() +
                                   ": not a design file: a JSON design file starts with \"{\", a P-CAD ASCII PCB file "
                                   "with ACCEL_ASCII, PCAD_ASCII or TangoPRO_ASCII");
    EXPECT_NE(loadError(write("array.json", "[1]")).find("not a design file"), std::string::npos);
    EXPECT_EQ(loadError(write("empty.json", " \n")),
              (folder / "empty.json").string() + ": the file is empty, not a design file");
}

TEST_F(DesignFile, MissingFileAndFolderNameTheReason)
{
    const fs::path missing = folder / "missing.json";
    EXPECT_EQ(loadError(missing), missing.string() + ": cannot open the file: No such file or directory");
    EXPECT_EQ(loadError(folder), folder.string() + ": this is a folder, not a regular file; only a regular file is read");
}

TEST_F(DesignFile, AFifoIsRefusedAtOnceAsNoRegularFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file kinds (FIFOs, devices, symbolic links) do not exist on Windows";
#else
    const fs::path fifo = folder / "board.json";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(LoadDesignFile(fifo), nodewick::FileError);
#endif
}

TEST_F(DesignFile, APathTooLongForItsFieldIsReportedRelativeToTheWorkingFolder)
{
    // The working folder goes back however the test ends.
    struct WorkingFolder {
        fs::path before = fs::current_path();
        ~WorkingFolder() { fs::current_path(before); }
    } restore;
    // Below this test's folder (over 20 bytes itself), 40 + 1 + 40 + 7 = 88
    // bytes: the absolute path cannot fit the 100 bytes of design text 1,
    // the path relative to the test's folder can.
    const fs::path deep = folder / std::string(40, 'a') / std::string(40, 'b');
    fs::create_directories(deep);
    std::ofstream(deep / "d.json") << R"({"nodewickDesign": 1})";
    ASSERT_GT(fs::absolute(deep / "d.json").string().size(), 100u);
    fs::current_path(folder);
    EXPECT_EQ(LoadDesignFile(deep / "d.json").design.path, std::string(40, 'a') + "/" + std::string(40, 'b') + "/d.json");
    // From the root, the relative path is as long as the absolute one.
    fs::current_path("/");
    EXPECT_NE(loadError(deep / "d.json").find("bytes relative to the working folder; the design record holds 100"),
              std::string::npos);
}

TEST_F(DesignFile, ErrorsInsideAJsonFileNameTheFileAsGiven)
{
    const fs::path file = write("bad.json", "{\"nodewickDesign\": 1, \"layers\": [{\"id\": 1}]}");
    EXPECT_EQ(loadError(file), file.string() + ": line 1, column 34: layers[0]: the required key \"name\" is missing");
}
