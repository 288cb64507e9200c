// nodewick-check run as a program on netlists that nodewick-export wrote:
// clean as written, and each defect planted into a copy found.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>

#include "../app/run_program.h"

namespace nodewick::check {
namespace {

using nodewick::testing::ProgramRun;
using nodewick::testing::ReadBytes;
using nodewick::testing::RunProgram;
using nodewick::testing::TempFolder;
using nodewick::testing::WriteBytes;

const std::string kSource = NODEWICK_SOURCE_DIR;

// A design copied into a folder of its own and exported there.
class ExportedDesign {
public:
    ExportedDesign(const std::string& designSource, const std::string& designName, const std::string& netlistName)
        : design_(folder_.file(designName)), netlist_(folder_.file(netlistName))
    {
        std::filesystem::copy_file(kSource + "/" + designSource, design_);
        const ProgramRun run = RunProgram({NODEWICK_EXPORT_PROGRAM, design_}, folder_.path(), scratch_);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        text_ = ReadBytes(netlist_);
    }

    const std::string& text() const { return text_; }

    ProgramRun check(const std::vector<std::string>& options = {}) const { return checkText(text_, options); }

    // A copy of the netlist, changed, checked against the design.
    ProgramRun checkText(const std::string& text, const std::vector<std::string>& options = {}) const
    {
        const std::string copy = folder_.file("copy.ipc");
        WriteBytes(copy, text);
        std::vector<std::string> arguments{NODEWICK_CHECK_PROGRAM, copy, design_};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunProgram(arguments, folder_.path(), scratch_);
    }

    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    TempFolder scratch_;
    std::string design_;
    std::string netlist_;
    std::string text_;
};

// The line of the netlist text that holds `part`, counted from 1.
std::int64_t LineOf(const std::string& text, const std::string& part)
{
    const std::size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << part;
    return 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
}

// The text with the line holding `part` changed at a column (from 1).
std::string Changed(std::string text, const std::string& part, int column, const std::string& replacement)
{
    const std::size_t line = text.rfind('\n', text.find(part)) + 1;
    text.replace(line + static_cast<std::size_t>(column - 1), replacement.size(), replacement);
    return text;
}

struct Report {
    nlohmann::json json;
    std::vector<std::string> places;  // "line:column severity", line 0 for none
};

Report ReportOf(const ProgramRun& run)
{
    Report report;
    report.json = nlohmann::json::parse(run.out);
    for (const auto& finding : report.json["findings"])
        report.places.push_back(std::to_string(finding["line"].is_null() ? 0 : finding["line"].get<int>()) + ":" +
                                std::to_string(finding["column"].is_null() ? 0 : finding["column"].get<int>()) +
                                " " + finding["severity"].get<std::string>());
    return report;
}

std::string Place(std::int64_t line, int column, const std::string& severity)
{
    return std::to_string(line) + ":" + std::to_string(column) + " " + severity;
}

class DemoBoard : public ::testing::Test {
protected:
    static void SetUpTestSuite() { demo_ = new ExportedDesign("examples/demo-board.json", "demo-board.json", "demo-board.ipc"); }
    static void TearDownTestSuite() { delete demo_; }
    static ExportedDesign* demo_;
};
ExportedDesign* DemoBoard::demo_ = nullptr;

TEST_F(DemoBoard, OwnExportIsClean)
{
    const ProgramRun run = demo_->check();
    EXPECT_EQ(run.exitCode, 0) << run.out;
    // 31 records: 22 + 2 pads of the components, one free pad, six vias.
    EXPECT_NE(run.out.find("31 test records, 9 nets, checked against"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(": no findings"), std::string::npos);
}

TEST_F(DemoBoard, MovedPadIsMissingAndItsRecordExtra)
{
    const std::string& text = demo_->text();
    const std::int64_t line = LineOf(text, "327NET2             U2    -1");
    const Report report = ReportOf(demo_->checkText(Changed(text, "NET2             U2    -1", 44, "024260"), {"--json"}));
    EXPECT_EQ(report.places, (std::vector<std::string>{Place(line, 42, "error"), Place(0, 0, "error")}));
    EXPECT_EQ(report.json["findings"][1]["message"],
              "pad U2-1 of net NET2 has no test record at X 24250 Y 13000 on the top side");
}

TEST_F(DemoBoard, SwappedNetIsFound)
{
    const std::string& text = demo_->text();
    const std::int64_t line = LineOf(text, "327NET1             U1    -1");
    const ProgramRun run = demo_->checkText(Changed(text, "327NET1             U1    -1", 4, "NET2"), {"--json"});
    EXPECT_EQ(run.exitCode, 1);
    const Report report = ReportOf(run);
    EXPECT_EQ(report.places, (std::vector<std::string>{Place(line, 4, "error")}));
}

TEST_F(DemoBoard, RecordOnTheWrongSideIsFound)
{
    const std::string& text = demo_->text();
    const std::int64_t line = LineOf(text, "327NET10            R1    -1");
    std::string changed = Changed(text, "327NET10            R1    -1", 40, "01");
    changed = Changed(changed, "327NET10            R1    -1", 74, "1");
    const Report report = ReportOf(demo_->checkText(changed, {"--json"}));
    EXPECT_EQ(report.places, (std::vector<std::string>{Place(line, 40, "error")}));
    EXPECT_EQ(report.json["errors"], 1);
}

TEST_F(DemoBoard, TruncatedFileIsFound)
{
    // Cut in the middle of R1-1's record: that line is cut short, the 16
    // records after it and the end record are missing.
    const std::string& text = demo_->text();
    const std::size_t cut = text.find("327NET10            R1    -1") + 30;
    const Report report = ReportOf(demo_->checkText(text.substr(0, cut), {"--json"}));
    const std::int64_t line = LineOf(text, "327NET10            R1    -1");
    EXPECT_EQ(report.json["errors"], 18);
    EXPECT_EQ(report.json["warnings"], 0);
    ASSERT_FALSE(report.places.empty());
    EXPECT_EQ(report.places.front(), Place(line, 31, "error"));
    const auto& findings = report.json["findings"];
    EXPECT_EQ(std::count_if(findings.begin(), findings.end(), [](const auto& f) {
                  return f["message"].template get<std::string>().find("no end record 999") != std::string::npos;
              }), 1);
}

TEST_F(DemoBoard, BrokenAliasIsFound)
{
    const std::string& text = demo_->text();
    const std::int64_t declaration = LineOf(text, "P  NNAME1");
    const Report report = ReportOf(demo_->checkText(Changed(text, "P  NNAME1", 9, "7"), {"--json"}));
    // The three records of the net name it stood for use an undeclared
    // alias; the new one is used by none.
    EXPECT_EQ(report.places, (std::vector<std::string>{Place(declaration, 4, "warning"),
                                                       Place(declaration + 1, 4, "error"),
                                                       Place(declaration + 2, 4, "error"),
                                                       Place(declaration + 3, 4, "error")}));
}

TEST_F(DemoBoard, PictureOfTheNetlist)
{
    const std::string svg = demo_->folder().file("demo.svg");
    const ProgramRun run = demo_->check({"--plot", svg, "--net", "GND"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string picture = ReadBytes(svg);
    EXPECT_TRUE(picture.starts_with("<?xml")) << picture.substr(0, 40);
    EXPECT_NE(picture.find("net GND highlighted"), std::string::npos);
}

TEST(CheckProgram, ExportDrawsTheNetlistItWrote)
{
    const TempFolder scratch;
    const TempFolder work;
    std::filesystem::copy_file(kSource + "/examples/demo-board.json", work.file("demo-board.json"));
    const ProgramRun run =
        RunProgram({NODEWICK_EXPORT_PROGRAM, "demo-board.json", "--plot", "demo.svg"}, work.path(), scratch);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string picture = ReadBytes(work.file("demo.svg"));
    EXPECT_NE(picture.find("demo-board.ipc — 31 test points, 9 nets"), std::string::npos) << picture.substr(0, 400);
    const auto count = [&](const std::string& part) {
        std::size_t n = 0;
        for (std::size_t at = picture.find(part); at != std::string::npos; at = picture.find(part, at + 1))
            ++n;
        return n;
    };
    // Rectangles: the 20 surface pads (18 on the top, R1's 2 on the bottom),
    // the two views' frames and the legend's pad. Circles: the 4 drilled pads
    // of J1 and the 6 through vias in both views, the blind via on the top,
    // and the legend's three.
    EXPECT_EQ(count("<rect x=\""), 23u);
    EXPECT_EQ(count("<circle "), 24u);
}

TEST(CheckProgram, PcadSampleExportIsClean)
{
    const ExportedDesign sample("tests/data/pcad/EditPins.fpc.pcb", "EditPins.fpc.pcb", "EditPins.ipc");
    const ProgramRun run = sample.check();
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find(": no findings"), std::string::npos) << run.out;
}

TEST(CheckProgram, UsageAndUnreadableInputs)
{
    const TempFolder scratch;
    const TempFolder work;
    EXPECT_EQ(RunProgram({NODEWICK_CHECK_PROGRAM}, work.path(), scratch).exitCode, 2);
    EXPECT_EQ(RunProgram({NODEWICK_CHECK_PROGRAM, "x.ipc", "--net", "GND"}, work.path(), scratch).exitCode, 2);
    const ProgramRun missing = RunProgram({NODEWICK_CHECK_PROGRAM, "missing.ipc"}, work.path(), scratch);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("missing.ipc"), std::string::npos) << missing.err;
    const ProgramRun help = RunProgram({NODEWICK_CHECK_PROGRAM, "--help"}, work.path(), scratch);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Exit status: 0 no findings, 1 findings, 2"), std::string::npos) << help.out;
}

TEST(CheckProgram, FormatCheckAloneFindsAndExitsOne)
{
    const TempFolder scratch;
    const TempFolder work;
    WriteBytes(work.file("bad.ipc"), "P  UNITS CUST\r\nP  VER IPC-D-356A\r\n999 x\r\n");
    const ProgramRun run = RunProgram({NODEWICK_CHECK_PROGRAM, "bad.ipc"}, work.path(), scratch);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("bad.ipc:3:5: error: the end record 999 carries nothing after column 3"),
              std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 error, 0 warnings"), std::string::npos) << run.out;
}

} // namespace
} // namespace nodewick::check
