// data/wrapped-mm.pcb: how other writers differ from P-CAD. The whole file
// sits in one outer parenthesis under PCAD_ASCII, numbers are in mm with
// units glued on or written apart, keywords are in lower case, a node is one
// "refdes pin" string, the refdes is all digits, and the part's component
// definition is missing (so pins are pad numbers).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/pcad/pcad_reader.h"

namespace nodewick::design {
namespace {

const LoadedDesign& Wrapped()
{
    static const LoadedDesign loaded = ReadPcadDesign(NODEWICK_PCAD_TEST_DATA "/wrapped-mm.pcb");
    return loaded;
}

TEST(PcadOtherWriters, WrappedFileInMmLoadsWithOneWarning)
{
    ASSERT_EQ(Wrapped().warnings.size(), 1u);
    EXPECT_THAT(Wrapped().warnings[0], ::testing::HasSubstr(
        "wrapped-mm.pcb: line 19: the part \"2\" uses the component \"NONE\", which is not defined"));
    const Design& design = Wrapped().design;
    ASSERT_EQ(design.layers.size(), 3u);
    EXPECT_EQ(design.layers[1].id, 30);
    ASSERT_EQ(design.components.size(), 1u);
    EXPECT_EQ(design.components[0].refDes, "2");
    EXPECT_EQ(design.components[0].side, 1);
    EXPECT_EQ(design.components[0].padCount, 2);
}

TEST(PcadOtherWriters, PadAndViaStylesOfTheSameNameStayApart)
{
    const Design& design = Wrapped().design;
    ASSERT_EQ(design.padStyles.size(), 1u);
    EXPECT_EQ(design.padStyles[0].hole, 80000);            // 0.8mm
    EXPECT_EQ(design.padStyles[0].shapes[0].width, 150000);  // 59.055mil = 149999.7
    EXPECT_EQ(design.padStyles[0].shapes[0].height, 100000);
    ASSERT_EQ(design.viaStyles.size(), 1u);
    EXPECT_EQ(design.viaStyles[0].name, "S");
    EXPECT_EQ(design.viaStyles[0].hole, 30000);
    EXPECT_TRUE(design.viaStyles[0].shapes.empty());
    ASSERT_EQ(design.viaStyles[0].typeShapes.size(), 1u);
    EXPECT_EQ(design.viaStyles[0].typeShapes[0].width, 60000);
}

TEST(PcadOtherWriters, FlippedPartAtAnOddAngle)
{
    const std::vector<Net>& nets = Wrapped().design.nets;
    ASSERT_EQ(nets.size(), 2u);
    ASSERT_EQ(nets[0].attributes.size(), 1u);
    EXPECT_EQ(nets[0].attributes[0].value, "PWR");
    // Pad 1 at the origin of part "2", (10, 20) mm, turned 315, flipped.
    ASSERT_EQ(nets[0].nodes.size(), 1u);
    EXPECT_EQ(nets[0].nodes[0].pin, "1");
    EXPECT_EQ(nets[0].nodes[0].x, 1000000);
    EXPECT_EQ(nets[0].nodes[0].y, 2000000);
    EXPECT_EQ(nets[0].nodes[0].rotation, 3150);
    EXPECT_EQ(nets[0].nodes[0].flip, 1);
    // Pad 2 at (2.54, 0), itself turned 45: turned 315 it is
    // (2.54 cos 315, 2.54 sin 315) = (1.796051, -1.796051), mirrored
    // (-1.796051, -1.796051): (8.203949, 18.203949) mm; 315 + 45 is 0.
    ASSERT_EQ(nets[1].nodes.size(), 1u);
    EXPECT_EQ(nets[1].nodes[0].pin, "2");
    EXPECT_EQ(nets[1].nodes[0].x, 820395);
    EXPECT_EQ(nets[1].nodes[0].y, 1820395);
    EXPECT_EQ(nets[1].nodes[0].rotation, 0);
    ASSERT_EQ(nets[1].items.size(), 1u);
    EXPECT_EQ(nets[1].items[0].x, 1250000);  // "12.5 mm", unit apart
    EXPECT_EQ(nets[1].items[0].y, 2000000);
    EXPECT_EQ(nets[1].items[0].flip, 1);
    EXPECT_EQ(nets[1].items[0].rotation, 900);
}

} // namespace
} // namespace nodewick::design
