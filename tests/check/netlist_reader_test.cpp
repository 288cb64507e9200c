#include "check/netlist_reader.h"

#include <gtest/gtest.h>

#include "netlist_text.h"

namespace nodewick::check {
namespace {

using testing::Lines;
using testing::kDim;
using testing::kJob;
using testing::kUnitsInch;
using testing::kVer;

// Column ruler for the records below:
//                 1111111111222222222233333333334444444444555555555566666666667777777777
//        1234567890123456789012345678901234567890123456789012345678901234567890123456789
const std::string kAliasLine = "P  NNAME1     ANALOG_REF_2V5";
const std::string kAliasRecord =
    "327NNAME1           U1    -5          A01X 017000Y 014250X0600Y0240R180 S1";
const std::string kGndRecord =
    "317GND              J1    -2    D0400PA00X 007000Y 012000               S3";

std::string NetOf(const Netlist& netlist, std::size_t record)
{
    return netlist.netNames.at(netlist.records.at(record).net);
}

// The findings as "line:column severity" texts, for comparing whole lists.
std::vector<std::string> Places(const Netlist& netlist)
{
    std::vector<std::string> places;
    for (const Finding& f : netlist.findings.list())
        places.push_back(std::to_string(f.line) + ":" + std::to_string(f.column) +
                         (f.severity == Severity::Error ? " error" : " warning"));
    return places;
}

std::string MessageAt(const Netlist& netlist, std::int64_t line)
{
    for (const Finding& f : netlist.findings.list())
        if (f.line == line)
            return f.message;
    return "(no finding on line " + std::to_string(line) + ")";
}

TEST(NetlistReader, CleanFileResolvesItsAlias)
{
    const Netlist netlist =
        ReadNetlist(Lines({"C IPC-D-356A", kVer, kJob, kUnitsInch, kDim, kAliasLine, kAliasRecord, kGndRecord, "999"}));
    EXPECT_TRUE(netlist.findings.empty()) << Places(netlist).front();
    ASSERT_EQ(netlist.records.size(), 2u);
    EXPECT_EQ(NetOf(netlist, 0), "ANALOG_REF_2V5");
    EXPECT_EQ(NetOf(netlist, 1), "GND");
    EXPECT_EQ(netlist.records[1].line, 8);
    EXPECT_EQ(netlist.units, NetlistUnits::Inch);
    EXPECT_TRUE(netlist.ended);
    EXPECT_EQ(netlist.lineCount, 9);
}

TEST(NetlistReader, LineFeedsAloneReadAsCrLf)
{
    const Netlist netlist =
        ReadNetlist(Lines({kVer, kUnitsInch, kAliasLine, kAliasRecord, kGndRecord, "999"}, "\n"));
    EXPECT_TRUE(netlist.findings.empty());
    ASSERT_EQ(netlist.records.size(), 2u);
    EXPECT_EQ(netlist.records[0].y, 14250);
    EXPECT_EQ(netlist.records[0].soldermask, 1);
}

TEST(NetlistReader, AliasesMustBeDeclaredBeforeUseAndOnce)
{
    // Lines: 1 VER, 2 UNITS, 3 record using NNAME1, 4 its P line, 5 NNAME2
    // never declared, 6 NNAME1 declared again, 7 NNAME3 never used, 8 end.
    const Netlist netlist = ReadNetlist(Lines({
        kVer, kUnitsInch, kAliasRecord, kAliasLine,
        "327NNAME2           U1    -6          A01X 017000Y 014750X0600Y0240R180 S1",
        "P  NNAME1     OTHER_LONG_NAME", "P  NNAME3     UNUSED_LONG_NAME", "999"}));
    EXPECT_EQ(Places(netlist),
              (std::vector<std::string>{"3:4 error", "5:4 error", "6:4 error", "7:4 warning"}));
    EXPECT_NE(MessageAt(netlist, 3).find("used before its P line, line 4"), std::string::npos);
    EXPECT_NE(MessageAt(netlist, 5).find("NNAME2 is not declared"), std::string::npos);
    EXPECT_NE(MessageAt(netlist, 6).find("line 4 declared it first"), std::string::npos);
}

TEST(NetlistReader, AliasNamesMatchInAnyLetterCase)
{
    const Netlist netlist = ReadNetlist(Lines({
        kVer, kUnitsInch, "P  NName1     ANALOG_REF_2V5", kAliasRecord, "999"}));
    EXPECT_TRUE(netlist.findings.empty());
    EXPECT_EQ(NetOf(netlist, 0), "ANALOG_REF_2V5");
}

TEST(NetlistReader, TheEndRecordComesLastAndAlone)
{
    const Netlist missing = ReadNetlist(Lines({kVer, kUnitsInch, kGndRecord}));
    EXPECT_EQ(Places(missing), (std::vector<std::string>{"0:0 error"}));
    EXPECT_NE(missing.findings.list()[0].message.find("ends at line 3"), std::string::npos);
    EXPECT_FALSE(missing.ended);

    // Records after 999 are not read; the first of them is reported.
    const Netlist early = ReadNetlist(Lines({kVer, kUnitsInch, "999", kGndRecord, kGndRecord}));
    EXPECT_EQ(Places(early), (std::vector<std::string>{"4:1 error", "4:1 error"}));
    EXPECT_TRUE(early.records.empty());

    const Netlist trailing = ReadNetlist(Lines({kVer, kUnitsInch, "999  END"}));
    EXPECT_EQ(Places(trailing), (std::vector<std::string>{"3:6 error"}));
}

TEST(NetlistReader, LinesOver80ColumnsTabsAndStrangeLines)
{
    const Netlist netlist = ReadNetlist(Lines({
        kVer, kUnitsInch,
        "C " + std::string(79, '*'),  // 81 columns
        "",
        "X not a record",
        "C\tcomment",
        "                                                                        S2",
        "999"}));
    EXPECT_EQ(Places(netlist),
              (std::vector<std::string>{"3:81 error", "4:1 warning", "5:1 error", "6:2 error", "7:1 error"}));
    EXPECT_NE(MessageAt(netlist, 7).find("broken onto a second line"), std::string::npos);
}

TEST(NetlistReader, ParametersRepeatedOrContradicting)
{
    const Netlist netlist = ReadNetlist(Lines({kVer, kUnitsInch, kJob, "P  UNITS CUST", "P  UNITS CUST 1",
                                               "P  JOB other.pcb", "999"}));
    // A repeat is a warning at the keyword; a contradiction an error at the
    // value: "CUST 1" starts in column 10, "other.pcb" in column 8.
    EXPECT_EQ(Places(netlist), (std::vector<std::string>{"4:4 warning", "5:10 error", "6:8 error"}));
    EXPECT_NE(MessageAt(netlist, 5).find("\"CUST 1\" here and \"CUST\" on line 2"), std::string::npos);
    EXPECT_EQ(netlist.units, NetlistUnits::Inch);
}

TEST(NetlistReader, UnitsParameterValues)
{
    const std::pair<std::string, NetlistUnits> known[] = {
        {"CUST", NetlistUnits::Inch},        {"CUST 0", NetlistUnits::Inch}, {"CUST 1", NetlistUnits::Millimetre},
        {"SI", NetlistUnits::Millimetre},    {"cust  1", NetlistUnits::Millimetre},
    };
    for (const auto& [value, units] : known) {
        const Netlist netlist = ReadNetlist(Lines({kVer, "P  UNITS " + value, "999"}));
        EXPECT_TRUE(netlist.findings.empty()) << value;
        EXPECT_EQ(netlist.units, units) << value;
    }
    const Netlist unknown = ReadNetlist(Lines({kVer, "P  UNITS MM", "999"}));
    EXPECT_EQ(Places(unknown), (std::vector<std::string>{"2:10 error"}));

    const Netlist none = ReadNetlist(Lines({kVer, kGndRecord, "999"}));
    EXPECT_EQ(Places(none), (std::vector<std::string>{"0:0 warning"}));
    EXPECT_EQ(none.unitsOrInch(), NetlistUnits::Inch);

    const Netlist late = ReadNetlist(Lines({kVer, kGndRecord, kUnitsInch, "999"}));
    EXPECT_EQ(Places(late), (std::vector<std::string>{"3:10 error"}));
    EXPECT_NE(MessageAt(late, 3).find("first test record, on line 2"), std::string::npos);
}

TEST(NetlistReader, TwoNetsAtOnePlaceAndSide)
{
    // Lines 3 to 6 all at X 7000 Y 12000: GND drilled (both sides), VCC on
    // the top (meets line 3), GND again on the top (meets VCC of line 4),
    // VCC on the bottom (meets GND's both sides of line 3). Line 7: VCC top
    // one unit away.
    const Netlist netlist = ReadNetlist(Lines({
        kVer, kUnitsInch, kGndRecord,
        "327VCC              U2    -1          A01X 007000Y 012000X0100Y0100     S1",
        "327GND              U3    -1          A01X 007000Y 012000X0100Y0100     S1",
        "327VCC              U4    -1          A02X 007000Y 012000X0100Y0100     S2",
        "327VCC              U5    -1          A01X 007001Y 012000X0100Y0100     S1", "999"}));
    EXPECT_EQ(Places(netlist), (std::vector<std::string>{"4:42 error", "5:42 error", "6:42 error"}));
    EXPECT_NE(MessageAt(netlist, 4).find("line 3, a test point of net GND"), std::string::npos);
}

TEST(NetlistReader, SurfacePointsOnOppositeSidesDoNotMeet)
{
    const Netlist netlist = ReadNetlist(Lines({
        kVer, kUnitsInch,
        "327VCC              U2    -1          A01X 007000Y 012000X0100Y0100     S1",
        "327GND              U4    -1          A02X 007000Y 012000X0100Y0100     S2", "999"}));
    EXPECT_TRUE(netlist.findings.empty());
}

TEST(NetlistReader, OurOwnHeaderGivesOffsetAndLayerCount)
{
    const Netlist mils = ReadNetlist(Lines({
        "C Offset =       (X: 12.5mil Y: -1.0mil)", "C ************Layer 1 Top   1**********",
        "C ************Layer 2 Inner   12**********", "C ************Layer 3 Bottom   2**********", kVer,
        kUnitsInch, "999"}));
    EXPECT_EQ(mils.offsetX, 31750);  // 12.5 mil of 2540 database units
    EXPECT_EQ(mils.offsetY, -2540);
    EXPECT_EQ(mils.bottomAccess(), 3);

    const Netlist mm = ReadNetlist(Lines({"C Offset =       (X: 1.250mm Y: 0.000mm)", kVer, "P  UNITS CUST 1",
                                          "327VCC              U2    -1          A07X 007000Y 012000X0100Y0100     S2",
                                          "999"}));
    EXPECT_EQ(mm.offsetX, 125000);
    EXPECT_EQ(mm.offsetY, 0);
    // Without layer lines the highest access code in use is the bottom.
    EXPECT_EQ(mm.bottomAccess(), 7);
}

} // namespace
} // namespace nodewick::check
