// nodewick-export on a copy of the EditPins sample, a real board with parts
// flipped to the bottom: the netlist it writes must hold one test record per
// pad on a net (467) and one per via on a net (152), each pad where it sits on
// the board, and surface pads with their copper size, bottom ones included.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../../app/run_program.h"

namespace nodewick::testing {
namespace {

struct SampleExport {
    ProgramRun run;
    std::vector<std::string> records;  // lines of test records (317, 327)
};

const SampleExport& Exported()
{
    static const SampleExport exported = [] {
        static const TempFolder scratch;
        static const TempFolder board;
        std::filesystem::copy_file(NODEWICK_PCAD_SAMPLE, board.file("EditPins.fpc.pcb"));
        SampleExport result;
        result.run = RunProgram({NODEWICK_EXPORT_PROGRAM, "EditPins.fpc.pcb"}, board.path(), scratch);
        std::istringstream netlist(ReadBytes(board.file("EditPins.ipc")));
        for (std::string line; std::getline(netlist, line);) {
            if (line.starts_with("317") || line.starts_with("327"))
                result.records.push_back(line);
        }
        return result;
    }();
    return exported;
}

// The one record of a pad: its reference designator and pin as the record
// writes them (columns 21 to 32).
std::string RecordOf(std::string_view refDes, std::string_view pin)
{
    std::string key(refDes);
    key.resize(6, ' ');
    key += "-";
    key += pin;
    key += ' ';
    for (const std::string& record : Exported().records) {
        if (record.compare(20, key.size(), key) == 0)
            return record;
    }
    return "no record of " + key;
}

TEST(PcadSampleExport, OneRecordPerPadOnANetAndPerViaOnANet)
{
    ASSERT_EQ(Exported().run.exitCode, 0) << Exported().run.err;
    std::size_t vias = 0;
    for (const std::string& record : Exported().records)
        vias += record.compare(20, 4, "VIA ") == 0 ? 1 : 0;
    EXPECT_EQ(Exported().records.size() - vias, 467u);
    EXPECT_EQ(vias, 152u);
}

TEST(PcadSampleExport, PadsOfFlippedPartsAtTheirBoardPlace)
{
    // Locations in 0.0001 inch: mm / 0.0254 * 10, rounded.
    // HG1 pin 1 (flipped part at 180, pad flipped in the pattern, so on top):
    // (255.9707, 222.8307) mm = (100775.9, 87728.6).
    EXPECT_NE(RecordOf("HG1", "1").find("A01X 100776Y 087729"), std::string::npos) << RecordOf("HG1", "1");
    // XS3 pin 1 (flipped part at 90, bottom): (226.8707, 232.1607) mm =
    // (89319.2, 91401.8); its style has copper only on top, so the size
    // comes from the mirrored layer: 2.5 x 0.5 mm.
    EXPECT_NE(RecordOf("XS3", "1").find("A02X 089319Y 091402X0984Y0196"), std::string::npos) << RecordOf("XS3", "1");
    // Z2 pin 1 (flipped part at 0, a through-hole pad): (261.4707,
    // 265.7807) mm = (102941.2, 104638.1).
    EXPECT_NE(RecordOf("Z2", "1").find("X 102941Y 104638"), std::string::npos) << RecordOf("Z2", "1");
}

TEST(PcadSampleExport, NoZeroSizeSurfacePadButTheOneWithoutCopperInTheFile)
{
    // Z2 pin 3 uses the pad style "0.0000x0.0000[2]", which the file gives
    // no copper on any layer; it is the only surface pad written without a
    // size, and the exporter says so.
    std::vector<std::string> zeroSize;
    for (const std::string& record : Exported().records) {
        if (record.starts_with("327") && record.find("X0000Y0000") != std::string::npos)
            zeroSize.push_back(record.substr(20, 12));
    }
    EXPECT_EQ(zeroSize, (std::vector<std::string>{"Z2    -3    "}));
    EXPECT_NE(Exported().run.err.find("Z2-3"), std::string::npos) << Exported().run.err;
}

} // namespace
} // namespace nodewick::testing
