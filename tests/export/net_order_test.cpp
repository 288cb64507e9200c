#include "export/net_order.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include <gtest/gtest.h>

#include "export_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

TEST(SortName, SingleTrailingDigitGetsALeadingZero)
{
    EXPECT_EQ(SortName("NET1"), "NET01");
    EXPECT_EQ(SortName("NET2"), "NET02");
    EXPECT_EQ(SortName("NET10"), "NET10");
    EXPECT_EQ(SortName("NET12"), "NET12");
    EXPECT_EQ(SortName("NET20"), "NET20");
    EXPECT_EQ(SortName("A05"), "A005");  // 0 counts as no digit before the 5
}

TEST(SortName, SupplyLikeNamesGoLast)
{
    EXPECT_EQ(SortName("GND"), "zzzGND");
    EXPECT_EQ(SortName("VCC5"), "zzzVCC05");
    EXPECT_EQ(SortName("-12V"), "zzz-12V");
    EXPECT_EQ(SortName("+5V"), "zzz+5V");
    EXPECT_EQ(SortName("SHIELD"), "zzzSHIELD");
    EXPECT_EQ(SortName("gnd"), "gnd");  // exact case only
}

TEST(SortName, OneDigitNameCountsAsHavingNoDigitBeforeIt)
{
    EXPECT_EQ(SortName("5"), "05");
    EXPECT_EQ(SortName("0"), "0");
    EXPECT_EQ(SortName(""), "");
}

TEST(KeyLess, FoldsLettersThenComparesBytes)
{
    EXPECT_TRUE(KeyLess("abc.1", "ABD.2"));
    EXPECT_TRUE(KeyLess("gnd.5", "NET01.2"));
    EXPECT_TRUE(KeyLess("ABC.1", "abc.1"));  // same folded: bytes decide, upper case first
    EXPECT_FALSE(KeyLess("abc.1", "ABC.1"));
    EXPECT_FALSE(KeyLess("x.1", "x.1"));
    EXPECT_TRUE(KeyLess("PWR.12", "PWR.5"));  // the ids compare as text
    EXPECT_TRUE(KeyLess(".7", "0.1"));
    EXPECT_TRUE(KeyLess("9Z.1", "zzzGND.2"));
    EXPECT_TRUE(KeyLess("AB.1", "AB_.2"));
    EXPECT_TRUE(KeyLess("A_.1", "AB.2"));   // folded "b" comes after "_", though "B" comes before it
    EXPECT_TRUE(KeyLess("z.1", "\xE9.2"));  // bytes above 127 after ASCII, not negative
    EXPECT_FALSE(KeyLess("\xE9.2", "z.1"));
    // Long shared starts, past eight bytes, and a case difference before the decisive letter.
    EXPECT_TRUE(KeyLess("BACKPLANE_SLOT13_a.1", "backplane_slot13_B.2"));
    EXPECT_FALSE(KeyLess("backplane_slot13_B.2", "BACKPLANE_SLOT13_a.1"));
    EXPECT_TRUE(KeyLess("BACKPLANE_SLOT13_DATA.1", "BACKPLANE_SLOT13_DATA_.1"));
    EXPECT_FALSE(KeyLess("BACKPLANE_SLOT13_DATA.12", "BACKPLANE_SLOT13_DATA.12"));
    EXPECT_TRUE(KeyLess("BACKPLANE_SLOT13_DATA.12", "backplane_slot13_data.12"));
}

TEST(AliasName, NnameAndTheNumber)
{
    EXPECT_EQ(AliasName(1), "NNAME1");
    EXPECT_EQ(AliasName(40000), "NNAME40000");
}

// Each net has one top-side surface pad of component U<id>; the records then
// show the order the nets were written in.
std::vector<design::Net> NetsNamed(const std::vector<std::pair<std::int32_t, std::string>>& names)
{
    std::vector<design::Net> nets;
    for (const auto& [id, name] : names)
        nets.push_back(Net(id, name, {Pad("U" + std::to_string(id), "1", kSmdPad, id, id)}));
    return nets;
}

// The net names of the records, from columns 4 to 20.
Lines WrittenNames(const Lines& records)
{
    Lines names;
    for (const std::string& record : records) {
        if (record.starts_with("327") || record.starts_with("317"))
            names.push_back(record.substr(3, record.find(' ') - 3));
    }
    return names;
}

TEST(NetOrder, NetsAreWrittenInSortNameOrderUnderTheirOwnNames)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{1, "NET10"}, {2, "GND"}, {3, "NET2"}, {4, "+5V"}, {5, "VCC5"}, {6, "-12V"},
                                     {7, "NET1"}, {8, "gnd"}, {9, "A05"}});
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(WrittenNames(harness.records()),
              (Lines{"A05", "gnd", "NET1", "NET2", "NET10", "+5V", "-12V", "GND", "VCC5"}));
    EXPECT_NE(harness.netlist().find("C Number of Nets 9 \r\n"), std::string::npos);
    EXPECT_NE(harness.netlist().find("C Connected Pins 9 \r\n"), std::string::npos);
}

TEST(NetOrder, OneDigitNameSortsAsIfZeroFilled)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{1, "1A"}, {2, "5"}});
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(WrittenNames(harness.records()), (Lines{"5", "1A"}));
}

// X1 (id 5) and Y2 (id 12) are tied under PWR_MAIN: they sort by the tie name,
// next to each other, the id 12 before the id 5.
design::Design& TwoTiedNets(design::Design& design)
{
    design.nets = NetsNamed({{1, "ALPHA"}, {3, "OMEGA"}});
    design.nets.push_back(TiedNet(5, "X1", "PWR_MAIN", {Pad("U5", "1", kSmdPad, 5, 5)}));
    design.nets.push_back(TiedNet(12, "Y2", "PWR_MAIN", {Pad("U12", "1", kSmdPad, 12, 12)}));
    return design;
}

TEST(TieNets, WithTieTiedNetsAreWrittenUnderTheTieName)
{
    ExportHarness harness;
    TwoTiedNets(harness.design);
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(WrittenNames(harness.records()), (Lines{"ALPHA", "OMEGA", "PWR_MAIN", "PWR_MAIN"}));
    EXPECT_EQ(harness.records()[2].substr(20, 3), "U12");
    EXPECT_EQ(harness.records()[3].substr(20, 2), "U5");
}

TEST(TieNets, WithoutTieTiedNetsStayTogetherUnderTheirOwnNames)
{
    ExportHarness harness;
    TwoTiedNets(harness.design);
    harness.choices.tie = false;
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(WrittenNames(harness.records()), (Lines{"ALPHA", "OMEGA", "Y2", "X1"}));
}

TEST(TieNets, OnlyAFirstAttributeNamedExactlyTieNetCounts)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{1, "B"}, {2, "D"}});
    design::Net second = Net(3, "C", {Pad("U3", "1", kSmdPad, 3, 3)});
    second.attributes = {{"Class", "x"}, {"TieNet", "A_FIRST"}};
    design::Net lowerCase = Net(4, "E", {Pad("U4", "1", kSmdPad, 4, 4)});
    lowerCase.attributes = {{"tienet", "A_FIRST"}};
    harness.design.nets.push_back(second);
    harness.design.nets.push_back(lowerCase);
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(WrittenNames(harness.records()), (Lines{"B", "C", "D", "E"}));
}

TEST(TieNets, EmptyTieNameSortsFirstAndIsWrittenEmpty)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{1, "ALPHA"}});
    harness.design.nets.push_back(TiedNet(7, "ZED", "", {Pad("U7", "1", kSmdPad, 7, 7)}));
    ASSERT_TRUE(harness.run().written);
    const Lines records = harness.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].substr(0, 23), "327                 U7 ");
    EXPECT_EQ(records[1].substr(0, 8), "327ALPHA");
    EXPECT_EQ(harness.statuses[1], "Nodes 0 Nets Name ");
}

// Expected lines are written under a column ruler: the first character after
// the opening quote is column 1.
//                              1        10        20        30        40        50        60        70        80
//                              |        |         |         |         |         |         |         |         |

TEST(Aliases, NameOf14CharactersIsWrittenUnderAnAlias)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{1, "ABCDEFGHIJKLM"}, {2, "ABCDEFGHIJKLMN"}, {3, "SUPPLY_3V3_DIGITAL"}});
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(harness.records(), (Lines{
                                     "327ABCDEFGHIJKLM    U1    -1          A01X 000001Y 000001X0600Y0200     S1",
                                     "P  NNAME1     ABCDEFGHIJKLMN",
                                     "327NNAME1           U2    -1          A01X 000002Y 000002X0600Y0200     S1",
                                     "P  NNAME2     SUPPLY_3V3_DIGITAL",
                                     "327NNAME2           U3    -1          A01X 000003Y 000003X0600Y0200     S1",
                                     "999"}));
    EXPECT_EQ(harness.statuses[2], "Nodes 1 Nets Name ABCDEFGHIJKLMN");
}

TEST(Aliases, EachTiedNetGetsItsOwnAlias)
{
    ExportHarness harness;
    harness.design.nets = {TiedNet(1, "P1", "MAIN_SUPPLY_RAIL", {Pad("U1", "1", kSmdPad, 1, 1)}),
                           TiedNet(2, "P2", "MAIN_SUPPLY_RAIL", {Pad("U2", "1", kSmdPad, 2, 2)})};
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(harness.records(), (Lines{
                                     "P  NNAME1     MAIN_SUPPLY_RAIL",
                                     "327NNAME1           U1    -1          A01X 000001Y 000001X0600Y0200     S1",
                                     "P  NNAME2     MAIN_SUPPLY_RAIL",
                                     "327NNAME2           U2    -1          A01X 000002Y 000002X0600Y0200     S1",
                                     "999"}));
}

// Whether net 1 exists or has a node says nothing about the other nets: all
// of them are written.
TEST(NetOrder, NetsAreWrittenWhenNoNetHasIdOne)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{2, "A"}, {3, "B"}});
    const ExportResult result = harness.run();
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.netCount, 2);
    EXPECT_EQ(harness.records(), (Lines{
                                     "327A                U2    -1          A01X 000002Y 000002X0600Y0200     S1",
                                     "327B                U3    -1          A01X 000003Y 000003X0600Y0200     S1",
                                     "999"}));
    EXPECT_TRUE(result.warnings.empty());
}

TEST(NetOrder, NetsAreWrittenWhenNetOneHasNoNode)
{
    ExportHarness harness;
    harness.design.nets = NetsNamed({{2, "A"}});
    harness.design.nets.push_back(Net(1, "EMPTY", {}));
    const ExportResult result = harness.run();
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.netCount, 2);
    EXPECT_EQ(harness.records(), (Lines{
                                     "327A                U2    -1          A01X 000002Y 000002X0600Y0200     S1",
                                     "999"}));
}

} // namespace
} // namespace nodewick::exporter

namespace nodewick::exporter {
namespace {

// No 16-bit counters: every net of a large design is written, each long name
// under its own alias.
TEST(Aliases, MoreThan32767LongNamesEachGetTheirOwnAlias)
{
    constexpr std::int32_t kNets = 33000;
    ExportHarness harness;
    harness.design.nets.reserve(kNets);
    for (std::int32_t id = 1; id <= kNets; ++id) {
        char name[32];
        std::snprintf(name, sizeof name, "LONG_NET_NAME_%05d", static_cast<int>(id));
        harness.design.nets.push_back(Net(id, name, {Pad("U1", "1", kSmdPad, id, 1)}));
    }
    const ExportResult result = harness.run();
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.netCount, kNets);
    EXPECT_EQ(result.padRecords, kNets);
    const Lines records = harness.records();
    ASSERT_EQ(records.size(), 2u * kNets + 1);
    std::set<std::string> fullNames;
    for (std::int32_t alias = 1; alias <= kNets; ++alias) {
        const std::string& declaration = records[2 * static_cast<std::size_t>(alias) - 2];
        const std::string& record = records[2 * static_cast<std::size_t>(alias) - 1];
        const std::string aliasName = "NNAME" + std::to_string(alias);
        ASSERT_EQ(declaration.substr(0, 3 + aliasName.size()), "P  " + aliasName);
        ASSERT_EQ(record.substr(0, 3 + aliasName.size() + 1), "327" + aliasName + " ");
        fullNames.insert(declaration.substr(14));
    }
    EXPECT_EQ(fullNames.size(), static_cast<std::size_t>(kNets));
    EXPECT_EQ(records[2 * 32767].substr(0, 14), "P  NNAME32768 ");
    EXPECT_NE(harness.netlist().find("C Number of Nets 33000 \r\n"), std::string::npos);
}

} // namespace
} // namespace nodewick::exporter
