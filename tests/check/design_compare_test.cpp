#include "check/design_compare.h"

#include <gtest/gtest.h>

#include <map>

#include "check/netlist_reader.h"
#include "design/stand_in_editor.h"
#include "netlist_text.h"
#include "small_board.h"

namespace nodewick::check {
namespace {

using testing::kUnitsInch;
using testing::kVer;

DesignPoints SmallBoardPoints(NetlistUnits units)
{
    design::StandInEditor editor(testing::SmallBoard());
    dbx::DbxContext context;
    editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    return ReadDesignPoints(editor, context, units);
}

// Column ruler for the records below:
//                 1111111111222222222233333333334444444444555555555566666666667777777777
//        1234567890123456789012345678901234567890123456789012345678901234567890123456789
// The small board's records, one per test point, as written in inch units.
std::map<std::string, std::string> Records()
{
    return {
        {"U1-1", "327GND              U1    -1          A01X 010000Y 005000X0100Y0100     S1"},
        {"J1-1", "317GND              J1    -1    D0400PA00X 002000Y 002000               S3"},
        {"via1", "317GND              VIA   -    MD0120PA00X 004000Y 002000               S0"},
        {"U1-2", "327VCC              U1    -2          A03X 010000Y 006000X0100Y0100     S2"},
        {"via2", "307VCC              VIA   -    MD0080PA01X 006000Y 006000               S0L01L03"},
        {"R1-1", "327PWR              R1    -1          A01X 012000Y 001000X0100Y0100     S1"},
        {"R1-2", "327PWR              R1    -2          A01X 013000Y 001000X0100Y0100     S1"},
    };
}

// The records in the board's order, lines 3 to 9 after VER and UNITS.
std::string Netlist(const std::map<std::string, std::string>& records, const std::string& header = kUnitsInch)
{
    std::string text = kVer + "\r\n" + header + "\r\n";
    for (const char* key : {"U1-1", "J1-1", "via1", "U1-2", "via2", "R1-1", "R1-2"})
        if (records.contains(key))
            text += records.at(key) + "\r\n";
    return text + "999\r\n";
}

check::Netlist Compared(const std::string& text, NetlistUnits units = NetlistUnits::Inch)
{
    check::Netlist netlist = ReadNetlist(text);
    CompareWithDesign(netlist, SmallBoardPoints(units));
    return netlist;
}

std::vector<std::string> Places(const check::Netlist& netlist)
{
    std::vector<std::string> places;
    for (const Finding& f : netlist.findings.list())
        places.push_back(std::to_string(f.line) + ":" + std::to_string(f.column) +
                         (f.severity == Severity::Error ? " error" : " warning"));
    return places;
}

bool Says(const check::Netlist& netlist, std::size_t finding, const std::string& text)
{
    return finding < netlist.findings.list().size() &&
           netlist.findings.list()[finding].message.find(text) != std::string::npos;
}

TEST(DesignPoints, SidesOfPadsAndVias)
{
    EXPECT_EQ(PadSide(true, 1, 2, 1), Side::Both);
    EXPECT_EQ(PadSide(true, 1, 12, 1), Side::Bottom);  // a hole not through: the copper's side
    EXPECT_EQ(PadSide(false, 1, 2, 0), Side::Top);
    EXPECT_EQ(PadSide(false, 1, 2, 1), Side::Bottom);
    EXPECT_EQ(ViaSide(true, 1, 2, 1), Side::Both);
    EXPECT_EQ(ViaSide(true, 1, 12, 0), Side::Top);
    EXPECT_EQ(ViaSide(true, 12, 2, 0), Side::Bottom);
    EXPECT_EQ(ViaSide(true, 12, 13, 0), Side::Inner);
    EXPECT_EQ(ViaSide(false, 1, 2, 1), Side::Bottom);
}

TEST(DesignPoints, SmallBoardReadThroughDbx)
{
    const DesignPoints design = SmallBoardPoints(NetlistUnits::Inch);
    EXPECT_EQ(design.listedLayers, 3);  // the silk screen is not copper
    ASSERT_EQ(design.nets.size(), 4u);
    EXPECT_EQ(design.nets[2].tie, "PWR");
    EXPECT_FALSE(design.nets[0].tie);
    ASSERT_EQ(design.points.size(), 7u);  // the item of type 1 is no via
    const Side sides[] = {Side::Top, Side::Both, Side::Both, Side::Bottom, Side::Top, Side::Top, Side::Top};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(design.points[i].side, sides[i]) << i;
    EXPECT_EQ(design.points[2].kind, PointKind::Via);
    EXPECT_EQ(design.points[3].pin, "2");
    EXPECT_EQ(design.points[3].x, 10000 * 254);
}

TEST(DesignCompare, MatchingNetlistIsClean)
{
    EXPECT_TRUE(Compared(Netlist(Records())).findings.empty());
}

TEST(DesignCompare, NetNamesMayDifferWhenTheyPartTheSame)
{
    std::map<std::string, std::string> records = Records();
    for (auto& [key, line] : records) {
        if (line.substr(3, 3) == "GND")
            line.replace(3, 3, "N_1");
        if (line.substr(3, 3) == "VCC")
            line.replace(3, 3, "N_2");
    }
    EXPECT_TRUE(Compared(Netlist(records)).findings.empty());
}

TEST(DesignCompare, PlaceWithinOneOutputUnit)
{
    std::map<std::string, std::string> records = Records();
    records["U1-1"].replace(43, 6, "010001");
    EXPECT_TRUE(Compared(Netlist(records)).findings.empty());

    // Two units off: the pad has no record, and the record (line 3) no pad.
    records["U1-1"].replace(43, 6, "010002");
    const check::Netlist moved = Compared(Netlist(records));
    EXPECT_EQ(Places(moved), (std::vector<std::string>{"3:42 error", "0:0 error"}));
    EXPECT_TRUE(Says(moved, 0, "no pad U1-1 at X 10002 Y 5000"));
    EXPECT_TRUE(Says(moved, 1, "pad U1-1 of net GND has no test record at X 10000 Y 5000 on the top side"));
}

TEST(DesignCompare, MissingAndExtraRecords)
{
    std::map<std::string, std::string> records = Records();
    records.erase("via1");
    records["R1-2"] += "\r\n327GND              TP9   -1          A01X 020000Y 020000X0100Y0100     S1";
    const check::Netlist netlist = Compared(Netlist(records));
    // Line 9 is the extra TP9; the via is missing.
    EXPECT_EQ(Places(netlist), (std::vector<std::string>{"9:42 error", "0:0 error"}));
    EXPECT_TRUE(Says(netlist, 1, "via of net GND has no test record at X 4000 Y 2000 on both sides"));
}

TEST(DesignCompare, RecordsOnTheWrongSide)
{
    std::map<std::string, std::string> records = Records();
    records["U1-2"].replace(39, 2, "01").replace(73, 1, "1");  // the bottom pad written on the top
    records["J1-1"].replace(39, 2, "03").replace(73, 1, "2");  // a through pad only from below
    const check::Netlist netlist = Compared(Netlist(records));
    EXPECT_EQ(Places(netlist), (std::vector<std::string>{"4:40 warning", "6:40 error"}));
    EXPECT_TRUE(Says(netlist, 0, "reached from both sides; this record has it on the bottom side only"));
    EXPECT_TRUE(Says(netlist, 1, "pad U1-2 of net VCC is on the bottom side; this record puts it on the top side"));
}

TEST(DesignCompare, DrilledPadWrittenAsSurfaceRecord)
{
    std::map<std::string, std::string> records = Records();
    records["J1-1"] = "327GND              J1    -1          A01X 002000Y 002000X0600Y0600     S1";
    const check::Netlist netlist = Compared(Netlist(records));
    EXPECT_EQ(Places(netlist), (std::vector<std::string>{"4:1 error", "4:40 warning"}));
    EXPECT_TRUE(Says(netlist, 0, "is drilled; this record is a surface record"));
}

TEST(DesignCompare, SwappedNetIsFoundAtItsRecord)
{
    std::map<std::string, std::string> records = Records();
    records["U1-1"].replace(3, 3, "VCC");
    const check::Netlist netlist = Compared(Netlist(records));
    EXPECT_EQ(Places(netlist), (std::vector<std::string>{"3:4 error"}));
    EXPECT_TRUE(Says(netlist, 0, "pad U1-1 belongs to net GND of the design, whose other test points are in net GND; "
                                 "this record puts it in net VCC"));
}

TEST(DesignCompare, JoinedNetsUnlessTied)
{
    std::map<std::string, std::string> records = Records();
    records["U1-2"].replace(3, 3, "GND");
    records["via2"].replace(3, 3, "GND");
    const check::Netlist joined = Compared(Netlist(records));
    // Reported at VCC's first record, line 6.
    EXPECT_EQ(Places(joined), (std::vector<std::string>{"6:4 error"}));
    EXPECT_TRUE(Says(joined, 0, "net GND joins nets GND and VCC of the design"));

    // TIE_A and TIE_B share PWR in the clean netlist; written apart they
    // are fine as well.
    records = Records();
    records["R1-2"].replace(3, 3, "PWX");
    EXPECT_TRUE(Compared(Netlist(records)).findings.empty());
}

TEST(DesignCompare, OffsetOfTheHeaderIsAddedToTheDesign)
{
    // 10 mil is 100 units in X.
    std::map<std::string, std::string> records = Records();
    const char* shifted[][2] = {{"U1-1", "010100"}, {"J1-1", "002100"}, {"via1", "004100"}, {"U1-2", "010100"},
                                {"via2", "006100"}, {"R1-1", "012100"}, {"R1-2", "013100"}};
    for (const auto& [key, x] : shifted)
        records[key].replace(43, 6, x);
    const std::string header = "C Offset =       (X: 10.0mil Y: 0.0mil)\r\n" + kUnitsInch;
    EXPECT_TRUE(Compared(Netlist(records, header)).findings.empty());
    // Without the offset line every point is 100 units off.
    EXPECT_EQ(Compared(Netlist(records)).findings.count(Severity::Error), 14u);
}

TEST(DesignCompare, MillimetreNetlist)
{
    // 0.001 mm units: 100 database units each.
    const std::string text = kVer + "\r\nP  UNITS CUST 1\r\n" +
        "327GND              U1    -1          A01X 025400Y 012700X0254Y0254     S1\r\n"
        "317GND              J1    -1    D1016PA00X 005080Y 005080               S3\r\n"
        "317GND              VIA   -    MD0305PA00X 010160Y 005080               S0\r\n"
        "327VCC              U1    -2          A03X 025400Y 015240X0254Y0254     S2\r\n"
        "307VCC              VIA   -    MD0203PA01X 015240Y 015240               S0L01L03\r\n"
        "327PWR              R1    -1          A01X 030480Y 002540X0254Y0254     S1\r\n"
        "327PWR              R1    -2          A01X 033020Y 002540X0254Y0254     S1\r\n"
        "999\r\n";
    EXPECT_TRUE(Compared(text, NetlistUnits::Millimetre).findings.empty());
}

} // namespace
} // namespace nodewick::check
