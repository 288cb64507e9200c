#include "export/netlist_lines.h"

#include <gtest/gtest.h>

#include "support/line_collector.h"

namespace nodewick::exporter {
namespace {

using testing::LineCollector;

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                              1        10        20        30        40        50
//                              |        |         |         |         |         |

TEST(WriteHeader, SampleDesignWithCountsAndNoOffset)
{
    HeaderFields header{
        .designFile = "board.pcb", .drawingNumber = "DWG-0042", .title = "Controller", .revision = "C",
        .engineer = "R. Tester", .dateTime = "03/08/24 14:05:00", .components = 57, .nets = 42,
        .padTotal = 212, .padTop = 180, .padBottom = 32, .connectedPins = 198, .layers = 4,
        .offsetX = "0.0mil", .offsetY = "0.0mil"};
    LineCollector out;
    WriteHeader(out, header);
    EXPECT_EQ(out.text(),             "C P-CAD 2001 Version\r\n"
                               "C DBX Version  16000 \r\n"
                               "C IPC-D-356A\r\n"
                               "C mailto:nodewick@example.org\r\n"
                               "C Design Name    board.pcb\r\n"
                               "C Drawing Number DWG-0042\r\n"
                               "C Title          Controller\r\n"
                               "C Revision       C\r\n"
                               "C Engineer       R. Tester\r\n"
                               "C Date           03/08/24 14:05:00\r\n"
                               "C Components     57 \r\n"
                               "C Number of Nets 42 \r\n"
                               "C Total Pads     212 Top Side= 180 Bottom Side= 32\r\n"
                               "C Connected Pins 198 \r\n"
                               "C layers         4 \r\n"
                               "C Offset =       (X: 0.0mil Y: 0.0mil)\r\n");
}

// No components, nets or listed layers: the counts that never got a value
// write nothing; the number of nets is 0 and the pad totals stay 0.
TEST(WriteHeader, EmptyDesignLeavesCountsWithoutValueBlank)
{
    HeaderFields header{
        .designFile = "empty.pcb", .drawingNumber = "", .title = "", .revision = "", .engineer = "",
        .dateTime = "01/01/70 00:00:00", .components = std::nullopt, .nets = 0, .padTotal = 0, .padTop = 0,
        .padBottom = 0, .connectedPins = std::nullopt, .layers = std::nullopt,
        .offsetX = "1.250mm", .offsetY = "0.000mm"};
    LineCollector out;
    WriteHeader(out, header);
    EXPECT_EQ(out.text(),             "C P-CAD 2001 Version\r\n"
                               "C DBX Version  16000 \r\n"
                               "C IPC-D-356A\r\n"
                               "C mailto:nodewick@example.org\r\n"
                               "C Design Name    empty.pcb\r\n"
                               "C Drawing Number \r\n"
                               "C Title          \r\n"
                               "C Revision       \r\n"
                               "C Engineer       \r\n"
                               "C Date           01/01/70 00:00:00\r\n"
                               "C Components    \r\n"
                               "C Number of Nets 0 \r\n"
                               "C Total Pads     0 Top Side= 0 Bottom Side= 0\r\n"
                               "C Connected Pins\r\n"
                               "C layers        \r\n"
                               "C Offset =       (X: 1.250mm Y: 0.000mm)\r\n");
}

TEST(WriteLayerLines, OneNumberedCommentPerEntry)
{
    LineCollector out;
    WriteLayerLines(out, {"Top   1", "Bottom   2", ""});
    EXPECT_EQ(out.text(),             "C ************Layer 1 Top   1**********\r\n"
                               "C ************Layer 2 Bottom   2**********\r\n"
                               "C ************Layer 3 **********\r\n");
}

TEST(WriteParameterLines, JobAndUnitsOfTheRun)
{
    LineCollector mils;
    WriteParameterLines(mils, "board.pcb", Units::Mils);
    EXPECT_EQ(mils.text(),     "P  VER IPC-D-356A\r\n"
                               "P  JOB board.pcb\r\n"
                               "P  UNITS CUST\r\n"
                               "P  DIM   N\r\n");
    LineCollector millimetres;
    WriteParameterLines(millimetres, "board.pcb", Units::Millimetres);
    EXPECT_EQ(millimetres.lines.at(2), "P  UNITS CUST 1");
}

TEST(WriteAliasLine, AliasAtColumn4FullNameAtColumn15)
{
    LineCollector out;
    WriteAliasLine(out, "NNAME1", "ABCDEFGHIJKLMN");
    WriteAliasLine(out, "NNAME12", "SUPPLY_3V3_DIGITAL");
    EXPECT_EQ(out.text(),             "P  NNAME1     ABCDEFGHIJKLMN\r\n"
                               "P  NNAME12    SUPPLY_3V3_DIGITAL\r\n");
}

TEST(WriteEndRecord, ThreeNines)
{
    LineCollector out;
    WriteEndRecord(out);
    EXPECT_EQ(out.text(), "999\r\n");
}

} // namespace
} // namespace nodewick::exporter
