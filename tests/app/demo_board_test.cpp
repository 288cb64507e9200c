// End-to-end: the bundled demo design exported as the README's main command
// does it, checked for what a board tester's reader insists on.

#include <filesystem>

#include <gtest/gtest.h>

#include "run_program.h"

namespace nodewick::testing {
namespace {

const std::string kExporter = NODEWICK_EXPORT_PROGRAM;
const std::string kDemoDesign = NODEWICK_SOURCE_DIR "/examples/demo-board.json";

std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

class DemoBoard : public ::testing::TestWithParam<const char*> {};

TEST_P(DemoBoard, ExportsToAFileEveryTesterCanRead)
{
    ASSERT_TRUE(std::filesystem::exists(kDemoDesign)) << kDemoDesign;
    TempFolder folder;
    TempFolder scratch;
    std::filesystem::copy_file(kDemoDesign, folder.file("demo-board.json"));

    const ProgramRun run = RunProgram({kExporter, "demo-board.json", "--units", GetParam()}, folder.path(), scratch);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Written to .demo-board.ipc\n");

    const std::string netlist = ReadBytes(folder.file("demo-board.ipc"));
    const std::vector<std::string> lines = CrLfLines(netlist);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "999");
    std::size_t records = 0;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 80u) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        for (const char c : line)
            EXPECT_TRUE(c >= ' ' && c <= '~') << line;
        if (line.starts_with("317") || line.starts_with("327") || line.starts_with("307"))
            ++records;
    }
    // Every pad and via of the demo's nets is written.
    EXPECT_GT(records, 20u);
}

INSTANTIATE_TEST_SUITE_P(Units, DemoBoard, ::testing::Values("mils", "mm"));

} // namespace
} // namespace nodewick::testing
