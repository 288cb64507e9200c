#include "check/plot_svg.h"

#include <gtest/gtest.h>

#include "check/netlist_reader.h"
#include "netlist_text.h"

namespace nodewick::check {
namespace {

using testing::Lines;
using testing::kUnitsInch;
using testing::kVer;

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(PlotSvg, ScaleBarIsARoundLengthOfAtMostAFifth)
{
    EXPECT_EQ(ScaleBarLength(30000, NetlistUnits::Inch), 5000);   // 3 inch wide: 500 mil
    EXPECT_EQ(ScaleBarLength(10000, NetlistUnits::Inch), 2000);   // 1 inch wide: 200 mil
    EXPECT_EQ(ScaleBarLength(40, NetlistUnits::Inch), 10);        // tiny: never below 1 mil
    EXPECT_EQ(ScaleBarLength(100000, NetlistUnits::Millimetre), 20000);  // 100 mm wide: 20 mm
}

TEST(PlotSvg, NetColoursStepByTheGoldenAngle)
{
    EXPECT_EQ(NetColour(0), "hsl(0,70%,42%)");
    EXPECT_EQ(NetColour(1), "hsl(137.51,70%,42%)");
    EXPECT_EQ(NetColour(3), "hsl(52.52,70%,42%)");  // 412.524 less a full turn
}

// Column ruler for the records below:
//                 1111111111222222222233333333334444444444555555555566666666667777777777
//        1234567890123456789012345678901234567890123456789012345678901234567890123456789
TEST(PlotSvg, BottomViewIsMirrored)
{
    // A drilled pad at X 0 (both sides) and a bottom surface pad at X 10000.
    // The frame reaches 501 units beyond them (a twentieth of 10000, plus 1),
    // 11002 units in all over 520 pixels; the top view starts at 30, the
    // bottom view at 30 + 520 + 60 = 610, both at 70 from the top.
    const Netlist netlist = ReadNetlist(Lines({
        kVer, kUnitsInch,
        "317GND              J1    -1    D0400PA00X 000000Y 000000               S3",
        "327GND              U1    -1          A02X 010000Y 000000X0100Y0100     S2", "999"}));
    const std::string svg = PlotSvg(netlist, {.title = "t.ipc", .highlight = std::nullopt});
    // Top view: the drilled pad 501 units in, 30 + 501 * 520 / 11002.
    EXPECT_EQ(Count(svg, "<circle cx=\"53.68\" cy=\"93.68\""), 1u);
    // Bottom view, seen from below: the drilled pad 10501 units in from the
    // left, the surface pad 501 (its rectangle half of 4.73 pixels less).
    EXPECT_EQ(Count(svg, "<circle cx=\"1106.32\" cy=\"93.68\""), 1u);
    EXPECT_EQ(Count(svg, "<rect x=\"631.32\""), 1u);
    EXPECT_EQ(Count(svg, "<title>GND"), 3u);  // the drilled pad is in both views
}

TEST(PlotSvg, HighlightedNetStandsOutAndInnerPointsAreLeftOut)
{
    const Netlist netlist = ReadNetlist(Lines({
        "C ************Layer 1 Top   1**********", "C ************Layer 2 In   12**********",
        "C ************Layer 3 Bottom   2**********", kVer, kUnitsInch,
        "327A&B              U1    -1          A01X 001000Y 001000X0100Y0100     S1",
        "327VCC              U1    -2          A01X 002000Y 001000X0100Y0100     S1",
        "307VCC              VIA   -    MD0080PA02X 003000Y 003000               S0L02L02", "999"}));
    const std::string svg = PlotSvg(netlist, {.title = "t.ipc", .highlight = "VCC"});
    EXPECT_NE(svg.find("net VCC highlighted"), std::string::npos);
    // A&B faint, VCC in its colour with a black edge; the via on the inner
    // layer 2 is in neither view.
    EXPECT_EQ(Count(svg, "fill=\"#c8c8c8\""), 1u);
    EXPECT_EQ(Count(svg, "fill=\"" + NetColour(1) + "\" stroke=\"black\""), 1u);
    EXPECT_EQ(Count(svg, "<title>A&amp;B U1-1"), 1u);
    EXPECT_EQ(Count(svg, "<title>VCC VIA"), 0u);

    const std::string unknown = PlotSvg(netlist, {.title = "t.ipc", .highlight = "NOPE"});
    EXPECT_NE(unknown.find("net NOPE not in the netlist"), std::string::npos);
    EXPECT_EQ(Count(unknown, "fill=\"#c8c8c8\""), 0u);
}

} // namespace
} // namespace nodewick::check
