#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "board_library.h"
#include "synthetic_board.h"

namespace nodewick::bench {
namespace {

bool IsSupplyName(const std::string& name)
{
    return name == "GND" || name == "VCC" || name.starts_with('+') || name.starts_with('-') ||
        name.starts_with("VCC") || name == "SHIELD";
}

TEST(SyntheticBoard, HasExactlyTheAskedPadCount)
{
    for (std::int64_t pads : {1, 2, 3, 299, 1000, 12345}) {
        const SyntheticBoard board = GenerateBoard({.pads = pads, .seed = 7});
        EXPECT_EQ(CountBoard(board).pads, pads) << pads << " pads asked";
    }
}

TEST(SyntheticBoard, IsTheSameForTheSameSeedAndOtherForAnother)
{
    const SyntheticBoard first = GenerateBoard({.pads = 5000, .seed = 3});
    const SyntheticBoard again = GenerateBoard({.pads = 5000, .seed = 3});
    const SyntheticBoard other = GenerateBoard({.pads = 5000, .seed = 4});
    ASSERT_EQ(first.nets.size(), again.nets.size());
    for (std::size_t i = 0; i < first.nets.size(); ++i) {
        ASSERT_EQ(first.nets[i].name, again.nets[i].name);
        ASSERT_EQ(first.nets[i].nodes.size(), again.nets[i].nodes.size());
        ASSERT_EQ(first.nets[i].vias.size(), again.nets[i].vias.size());
    }
    std::size_t sameNames = 0;
    for (std::size_t i = 0; i < std::min(first.nets.size(), other.nets.size()); ++i)
        sameNames += first.nets[i].name == other.nets[i].name ? 1 : 0;
    EXPECT_LT(sameNames, first.nets.size() / 10);
}

class TenThousandPads : public ::testing::Test {
protected:
    static void SetUpTestSuite() { board = new SyntheticBoard(GenerateBoard({.pads = 10000, .seed = 1})); }
    static void TearDownTestSuite() { delete board; }
    static SyntheticBoard* board;
};
SyntheticBoard* TenThousandPads::board = nullptr;

TEST_F(TenThousandPads, NetsHaveUniqueNamesAndSignalNetsTwoTo200Pads)
{
    std::set<std::string> names;
    std::int64_t signalNets = 0;
    for (const SynthNet& net : board->nets) {
        EXPECT_TRUE(names.insert(net.name).second) << net.name;
        if (net.nodes.empty() || IsSupplyName(net.name))
            continue;
        ++signalNets;
        EXPECT_GE(net.nodes.size(), 2u) << net.name;
        EXPECT_LE(net.nodes.size(), 201u) << net.name;  // one free pad may join a full net
    }
    EXPECT_GT(signalNets, 1000);
    EXPECT_FALSE(board->nets.front().nodes.empty()) << "the export starts from net 1";
}

TEST_F(TenThousandPads, HasLargeSupplyNetsLongNamesAndTieGroups)
{
    const BoardCounts counts = CountBoard(*board);
    const auto gnd = std::find_if(board->nets.begin(), board->nets.end(),
                                  [](const SynthNet& n) { return n.name == "GND"; });
    ASSERT_NE(gnd, board->nets.end());
    EXPECT_GT(gnd->nodes.size(), 1000u);
    EXPECT_GT(counts.longNames * 10, counts.nets * 3);
    EXPECT_LT(counts.longNames * 10, counts.nets * 5);

    std::map<std::string, int> tieGroups;
    for (const SynthNet& net : board->nets)
        if (!net.attributes.empty() && net.attributes.front().name == "TieNet")
            ++tieGroups[net.attributes.front().value];
    ASSERT_GE(tieGroups.size(), 2u);
    for (const auto& [value, members] : tieGroups)
        EXPECT_GE(members, 2) << value;
}

TEST_F(TenThousandPads, MixesSidesRotationsPadKindsAndViaKinds)
{
    std::set<bool> flips;
    std::set<bool> drilled;
    std::set<std::int32_t> viaStyles;
    bool oddRotation = false;
    bool freePad = false;
    for (const SynthNet& net : board->nets) {
        for (const NodeRef& node : net.nodes) {
            const BoardPad pad = board->PadOf(node);
            flips.insert(pad.flip);
            drilled.insert(board->padStyles[static_cast<std::size_t>(pad.style)].hole != 0);
            oddRotation = oddRotation || pad.rotation % 900 != 0;
            freePad = freePad || pad.refDes.empty();
        }
        for (const SynthVia& via : net.vias)
            viaStyles.insert(via.style);
    }
    EXPECT_EQ(flips.size(), 2u);
    EXPECT_EQ(drilled.size(), 2u);
    EXPECT_TRUE(oddRotation);
    EXPECT_TRUE(freePad);
    EXPECT_EQ(viaStyles.size(), board->viaStyles.size());
}

// Six output digits hold up to 99.9999 inches or 999.999 mm, and fewer than
// four digits would shift the record's columns: every location stays within
// 5 mm and 895 mm, also on the largest board.
TEST(SyntheticBoard, KeepsEveryLocationWithinSixOutputDigitsOnAMillionPads)
{
    const SyntheticBoard board = GenerateBoard({.pads = 1000000, .seed = 1});
    const std::int32_t low = 5 * kDbPerMm;
    const std::int32_t high = 895 * kDbPerMm;
    std::int64_t outside = 0;
    for (const SynthNet& net : board.nets) {
        for (const NodeRef& node : net.nodes) {
            const BoardPad pad = board.PadOf(node);
            outside += (pad.x < low || pad.x > high || pad.y < low || pad.y > high) ? 1 : 0;
        }
        for (const SynthVia& via : net.vias)
            outside += (via.x < low || via.x > high || via.y < low || via.y > high) ? 1 : 0;
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(CountBoard(board).longNames, 32767) << "the largest board needs more aliases than 16 bits count";
}

TEST(SyntheticBoard, PlacesFootprintPadsTurnedThenMirroredOnTheBottom)
{
    SyntheticBoard board;
    board.packages.push_back({.name = "P",
                              .refPrefix = "U",
                              .kind = PackageKind::Chip,
                              .pads = {{.x = 100, .y = 0, .style = 0, .rotation = 900, .flipped = false, .pin = "1"},
                                       {.x = 0, .y = 50, .style = 0, .rotation = 0, .flipped = true, .pin = "2"}}});
    board.components.push_back({.package = 0, .refDes = "U1", .x = 1000, .y = 2000, .rotation = 900, .bottom = true});
    const BoardPad first = board.PadOf({0, 0});
    EXPECT_EQ(first.x, 1000);  // (100, 0) turned by 90 degrees is (0, 100); mirrored x stays 0
    EXPECT_EQ(first.y, 2100);
    EXPECT_EQ(first.rotation, 1800);
    EXPECT_TRUE(first.flip);
    const BoardPad second = board.PadOf({0, 1});
    EXPECT_EQ(second.x, 1050);  // (0, 50) turned is (-50, 0), mirrored (50, 0)
    EXPECT_EQ(second.y, 2000);
    EXPECT_FALSE(second.flip) << "a pad flipped within a bottom-side part is on the top";
    EXPECT_EQ(second.refDes, "U1");
    EXPECT_EQ(second.pin, "2");
}

}  // namespace
}  // namespace nodewick::bench
