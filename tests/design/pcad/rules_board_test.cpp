// The reader on data/rules.pcb, a small board written by hand in mil so
// that every value below can be checked on paper (1 mil = 2540 database
// units). Its parts place the pattern SOT_1, whose "Primary" pads are
//   pad 1 (100, 50)  pin "A" by the pin map
//   pad 2 (-100, 50) turned 90, no pin map entry, defaultPinDes "K"
//   pad 3 (0, -80)   flipped within the pattern, no pin at all: pin "3"
//   pad 4 (0, 80)    pin "A" by the pin map (two pads share pin A)
// and parts U1 (1000, 2000) top, U2 (3000, 2000) 90 flipped, U3 (5000, 2000)
// 180 flipped, U4 (7000, 2000) 270 flipped, U5 (9000, 2000) 90 top with the
// "Alt" graphics (one pad at (10, 10)), J1 (0, 0) of the old-style pattern
// OLD (one pad at (25, 0) made of the via style V24).
#include <gtest/gtest.h>

#include <filesystem>

#include "design/pcad/pcad_reader.h"

namespace nodewick::design {
namespace {

constexpr std::int32_t kMil = 2540;

const LoadedDesign& Rules()
{
    static const LoadedDesign loaded = ReadPcadDesign(NODEWICK_PCAD_TEST_DATA "/rules.pcb");
    return loaded;
}

const Net& NetNamed(std::string_view name)
{
    for (const Net& net : Rules().design.nets) {
        if (net.name == name)
            return net;
    }
    throw std::runtime_error("no net " + std::string(name));
}

void ExpectNode(const Node& node, std::string_view refDes, std::string_view pin, std::int32_t style, std::int32_t xMil,
                std::int32_t yMil, std::int32_t rotation, std::int32_t flip, std::int32_t side)
{
    SCOPED_TRACE(::testing::Message() << refDes << "." << pin);
    EXPECT_EQ(node.refDes, refDes);
    EXPECT_EQ(node.pin, pin);
    EXPECT_EQ(node.padStyle, style);
    EXPECT_EQ(node.x, xMil * kMil);
    EXPECT_EQ(node.y, yMil * kMil);
    EXPECT_EQ(node.rotation, rotation);
    EXPECT_EQ(node.flip, flip);
    EXPECT_EQ(node.componentSide, side);
}

TEST(PcadRulesBoard, LoadsWithoutWarningsAndReportsItsRealPath)
{
    EXPECT_TRUE(Rules().warnings.empty()) << Rules().warnings.front();
    EXPECT_EQ(Rules().design.path, std::filesystem::canonical(NODEWICK_PCAD_TEST_DATA "/rules.pcb").string());
}

TEST(PcadRulesBoard, DesignTextsComeFromTheDefaultFieldSet)
{
    const Design& design = Rules().design;
    EXPECT_EQ(design.title, "Rules board");
    EXPECT_EQ(design.engineer, "A. Tester");  // Author, not the Engineer field
    EXPECT_EQ(design.revision, "B");
    EXPECT_EQ(design.drawingNumber, "DWG-7");
}

TEST(PcadRulesBoard, LayersInFileOrderWithTheirTypes)
{
    const std::vector<Layer>& layers = Rules().design.layers;
    ASSERT_EQ(layers.size(), 4u);
    EXPECT_EQ(layers[0].id, 6);
    EXPECT_EQ(layers[0].name, "Top Silk");
    EXPECT_EQ(layers[0].type, 2);
    EXPECT_EQ(layers[1].id, 1);
    EXPECT_EQ(layers[1].type, 0);
    EXPECT_EQ(layers[2].id, 30);
    EXPECT_EQ(layers[2].name, "Inner GND");
    EXPECT_EQ(layers[2].type, 1);
    EXPECT_EQ(layers[3].id, 2);
    EXPECT_EQ(layers[3].type, 0);  // written "signal"
}

TEST(PcadRulesBoard, PadStylesWithShapesPerLayerAndPerLayerType)
{
    const std::vector<Style>& styles = Rules().design.padStyles;
    ASSERT_EQ(styles.size(), 4u);  // three written, one made from the via style a pad names

    EXPECT_EQ(styles[0].id, 0);
    EXPECT_EQ(styles[0].name, "RECT20x60");
    EXPECT_EQ(styles[0].hole, 0);
    ASSERT_EQ(styles[0].shapes.size(), 2u);
    EXPECT_EQ(styles[0].shapes[0].layerId, 1);
    EXPECT_EQ(styles[0].shapes[0].width, 20 * kMil);
    EXPECT_EQ(styles[0].shapes[0].height, 60 * kMil);
    EXPECT_EQ(styles[0].shapes[1].layerId, 2);
    EXPECT_EQ(styles[0].shapes[1].width, 0);

    EXPECT_EQ(styles[1].name, "TH60");
    EXPECT_EQ(styles[1].hole, 76200);  // 0.762 mm
    EXPECT_EQ(styles[1].startLayer, 1);
    EXPECT_EQ(styles[1].endLayer, 2);
    ASSERT_EQ(styles[1].shapes.size(), 2u);
    EXPECT_EQ(styles[1].shapes[1].width, 152400);  // 1.524 mm in a file of mil
    ASSERT_EQ(styles[1].typeShapes.size(), 3u);
    EXPECT_EQ(styles[1].typeShapes[0].layerType, 0);
    EXPECT_EQ(styles[1].typeShapes[0].width, 50 * kMil);
    EXPECT_EQ(styles[1].typeShapes[1].layerType, 1);
    EXPECT_EQ(styles[1].typeShapes[1].width, 80 * kMil);  // a thermal: its outside diameter
    EXPECT_EQ(styles[1].typeShapes[1].height, 80 * kMil);
    EXPECT_EQ(styles[1].typeShapes[2].layerType, 2);

    EXPECT_EQ(styles[2].name, "POLY");
    ASSERT_EQ(styles[2].shapes.size(), 1u);
    EXPECT_EQ(styles[2].shapes[0].width, 40 * kMil);  // outline x from -10 to 30
    EXPECT_EQ(styles[2].shapes[0].height, 20 * kMil);  // outline y from -5 to 15
    EXPECT_EQ(styles[2].startLayer, 1);  // no range written: the whole board
    EXPECT_EQ(styles[2].endLayer, 2);

    EXPECT_EQ(styles[3].id, 3);
    EXPECT_EQ(styles[3].name, "V24");
    EXPECT_EQ(styles[3].hole, 12 * kMil);
}

TEST(PcadRulesBoard, ViaStylesCountedApartFromPadStyles)
{
    const std::vector<Style>& styles = Rules().design.viaStyles;
    ASSERT_EQ(styles.size(), 1u);
    EXPECT_EQ(styles[0].id, 0);
    EXPECT_EQ(styles[0].name, "V24");
    EXPECT_EQ(styles[0].hole, 12 * kMil);
    ASSERT_EQ(styles[0].shapes.size(), 2u);
    EXPECT_EQ(styles[0].shapes[0].width, 24 * kMil);
    ASSERT_EQ(styles[0].typeShapes.size(), 1u);
}

TEST(PcadRulesBoard, ComponentsInPlacementOrderWithSideAndPadCount)
{
    const std::vector<Component>& components = Rules().design.components;
    ASSERT_EQ(components.size(), 6u);
    const char* refDes[] = {"U1", "U2", "U3", "U4", "U5", "J1"};
    const std::int32_t side[] = {0, 1, 1, 1, 0, 0};
    const std::int32_t pads[] = {4, 4, 4, 4, 1, 1};  // U5 uses the one-pad "Alt" graphics
    for (std::size_t i = 0; i < components.size(); ++i) {
        EXPECT_EQ(components[i].refDes, refDes[i]);
        EXPECT_EQ(components[i].side, side[i]) << refDes[i];
        EXPECT_EQ(components[i].padCount, pads[i]) << refDes[i];
    }
}

TEST(PcadRulesBoard, NetsNumberedInFileOrderWithAttributesInOrder)
{
    const std::vector<Net>& nets = Rules().design.nets;
    ASSERT_EQ(nets.size(), 4u);
    EXPECT_EQ(nets[0].id, 1);
    EXPECT_EQ(nets[0].name, "SIG A");
    EXPECT_EQ(nets[1].id, 2);
    EXPECT_EQ(nets[1].name, "3_P_R\\W");
    EXPECT_EQ(nets[2].name, "GND");
    EXPECT_EQ(nets[3].id, 4);
    EXPECT_EQ(nets[3].name, "EMPTY");
    EXPECT_TRUE(nets[3].nodes.empty());
    EXPECT_TRUE(nets[3].items.empty());

    ASSERT_EQ(nets[0].attributes.size(), 2u);
    EXPECT_EQ(nets[0].attributes[0].name, "TieNet");
    EXPECT_EQ(nets[0].attributes[0].value, "PWR_MAIN");
    EXPECT_EQ(nets[0].attributes[1].value, "two\r\nlines");
    EXPECT_TRUE(nets[2].attributes.empty());  // (isPlane True) is no attribute
}

TEST(PcadRulesBoard, PinSharedByTwoPadsGivesTwoNodesOnEachSide)
{
    const Net& net = NetNamed("SIG A");
    ASSERT_EQ(net.nodes.size(), 4u);
    ExpectNode(net.nodes[0], "U1", "A", 0, 1100, 2050, 0, 0, 0);
    ExpectNode(net.nodes[1], "U1", "A", 0, 1000, 2080, 0, 0, 0);
    // U2 at 90, flipped: pad 1 (100, 50) turns to (-50, 100), mirrors to
    // (50, 100); pad 4 (0, 80) turns to (-80, 0), mirrors to (80, 0).
    ExpectNode(net.nodes[2], "U2", "A", 0, 3050, 2100, 900, 1, 1);
    ExpectNode(net.nodes[3], "U2", "A", 0, 3080, 2000, 900, 1, 1);
}

TEST(PcadRulesBoard, DefaultPinDesAndPadNumberAndPadFlippedInItsPattern)
{
    const Net& net = NetNamed("3_P_R\\W");
    ASSERT_EQ(net.nodes.size(), 2u);
    // U2 pad 2 (-100, 50) turned 90 in its pattern: (-50, -100) after the
    // part's turn, (50, -100) mirrored; angle 90 + 90.
    ExpectNode(net.nodes[0], "U2", "K", 0, 3050, 1900, 1800, 1, 1);
    // U3 pad 3 (0, -80) at 180, flipped: (0, 80), mirrored (0, 80); the pad
    // is flipped within its flipped part, so its copper is on top.
    ExpectNode(net.nodes[1], "U3", "3", 0, 5000, 2080, 1800, 0, 1);
    ASSERT_EQ(net.items.size(), 1u);
    EXPECT_EQ(net.items[0].type, 4);
    EXPECT_EQ(net.items[0].x, 1270000);  // 12.7mm
    EXPECT_EQ(net.items[0].y, 800 * kMil);
    EXPECT_EQ(net.items[0].rotation, 300);
}

TEST(PcadRulesBoard, NodesInNodeOrderThenFreePadsThenViasAsItems)
{
    const Net& net = NetNamed("GND");
    ASSERT_EQ(net.nodes.size(), 5u);
    // U4 at 270, flipped: pad 1 (100, 50) turns to (50, -100), mirrors to
    // (-50, -100); pad 4 (0, 80) turns to (80, 0), mirrors to (-80, 0).
    ExpectNode(net.nodes[0], "U4", "A", 0, 6950, 1900, 2700, 1, 1);
    ExpectNode(net.nodes[1], "U4", "A", 0, 6920, 2000, 2700, 1, 1);
    ExpectNode(net.nodes[2], "J1", "1", 3, 25, 0, 0, 0, 0);  // from (node "J1 1")
    // U5 at 90 on top, "Alt" pad (10, 10) turns to (-10, 10).
    ExpectNode(net.nodes[3], "U5", "A", 0, 8990, 2010, 900, 0, 0);
    // The free pad keeps its own place, angle and flip.
    ExpectNode(net.nodes[4], "", "TP", 1, 500, 500, 450, 1, 0);
    ASSERT_EQ(net.items.size(), 1u);  // the via without a net belongs to none
    EXPECT_EQ(net.items[0].type, 4);
    EXPECT_EQ(net.items[0].x, 600 * kMil);
    EXPECT_EQ(net.items[0].y, 700 * kMil);
    EXPECT_EQ(net.items[0].viaStyle, 0);
    EXPECT_EQ(net.items[0].flip, 0);
}

} // namespace
} // namespace nodewick::design
