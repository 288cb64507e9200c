#include "export/distinct_net_names.h"

#include <gtest/gtest.h>

#include "export_harness.h"

namespace nodewick::exporter {
namespace {

using namespace nodewick::testing;
using namespace nodewick::testing::styles;
using Lines = std::vector<std::string>;

TEST(DistinctNetNames, SecondNetUnderTheSameNameNamesBoth)
{
    DistinctNetNames names;
    names.add("DATA", 4);
    names.add("data", 5);  // another name: the comparison is exact
    try {
        names.add("DATA", 9);
        FAIL() << "the second DATA was taken";
    } catch (const ExportError& error) {
        EXPECT_STREQ(error.what(), "Nets 4 and 9 are both written as \"DATA\": a tester would take them for one "
                                   "net. Give them different names, or tie them with a \"TieNet\" attribute");
    }
}

TEST(DistinctNetNames, TwoUntiedNetsOfOneNameStopTheRun)
{
    ExportHarness harness;
    harness.design.nets = {Net(2, "DATA", {Pad("U1", "1", kSmdPad, 1, 2)}), Net(1, "CLK", {Pad("U1", "2", kSmdPad, 3, 4)}),
                           Net(5, "DATA", {Pad("U2", "1", kSmdPad, 5, 6)})};
    const ExportResult result = harness.run();
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "Nets 2 and 5 are both written as \"DATA\": a tester would take them for one net. Give "
                            "them different names, or tie them with a \"TieNet\" attribute");
    EXPECT_TRUE(harness.filesLeft().empty());  // a failed run writes no settings file either
}

// Nets with a "TieNet" attribute come out under one name because Tie asks for it.
TEST(DistinctNetNames, TiedNetsAreStillMergedUnderTheirTieName)
{
    ExportHarness harness;
    harness.design.nets = {TiedNet(1, "PWR_A", "PWR", {Pad("U1", "1", kSmdPad, 1, 2)}),
                           TiedNet(2, "PWR_B", "PWR", {Pad("U2", "1", kSmdPad, 3, 4)}),
                           Net(3, "PWR", {Pad("U3", "1", kSmdPad, 5, 6)})};
    ASSERT_TRUE(harness.run().written);
    EXPECT_EQ(harness.records(),
              (Lines{ "327PWR              U1    -1          A01X 000001Y 000002X0600Y0200     S1",
                      "327PWR              U2    -1          A01X 000003Y 000004X0600Y0200     S1",
                      "327PWR              U3    -1          A01X 000005Y 000006X0600Y0200     S1",
                      "999"}));

    // With Tie off the tied nets keep their own names; two tied nets of one
    // own name are still what the tie makes of them.
    ExportHarness tieOff;
    tieOff.choices.tie = false;
    tieOff.design.nets = {TiedNet(1, "X", "T", {Pad("U1", "1", kSmdPad, 1, 2)}),
                          TiedNet(2, "X", "T", {Pad("U2", "1", kSmdPad, 3, 4)})};
    ASSERT_TRUE(tieOff.run().written);
    EXPECT_EQ(tieOff.records().size(), 3u);
}

} // namespace
} // namespace nodewick::exporter
