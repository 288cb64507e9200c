// The reader on a real board: EditPins.fpc.pcb, written by FreePCB's P-CAD
// export in mm (168 parts, 4 of them flipped, 90 nets, 467 node entries,
// 152 vias; the display HG1 has 52 pads flipped within its pattern). The
// file is read-only test data; the test reads a copy of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "design/pcad/pcad_reader.h"
#include "pcad_text.h"

namespace nodewick::design {
namespace {

const LoadedDesign& Sample()
{
    static const LoadedDesign loaded = [] {
        const std::filesystem::path copy = pcad::test::ScratchFolder("sample") / "EditPins.fpc.pcb";
        std::filesystem::copy_file(NODEWICK_PCAD_SAMPLE, copy);
        return ReadPcadDesign(copy);
    }();
    return loaded;
}

const Node& NodeOf(std::string_view refDes, std::string_view pin)
{
    for (const Net& net : Sample().design.nets) {
        for (const Node& node : net.nodes) {
            if (node.refDes == refDes && node.pin == pin)
                return node;
        }
    }
    throw std::runtime_error("no node " + std::string(refDes) + "." + std::string(pin));
}

TEST(PcadSampleBoard, CountsMatchTheFile)
{
    const Design& design = Sample().design;
    EXPECT_TRUE(Sample().warnings.empty()) << Sample().warnings.front();
    EXPECT_EQ(design.components.size(), 168u);
    EXPECT_EQ(design.nets.size(), 90u);
    EXPECT_EQ(design.layers.size(), 11u);
    EXPECT_EQ(design.padStyles.size(), 53u);
    EXPECT_EQ(design.viaStyles.size(), 4u);
    std::size_t nodes = 0;
    std::size_t vias = 0;
    for (const Net& net : design.nets) {
        nodes += net.nodes.size();
        vias += static_cast<std::size_t>(std::count_if(net.items.begin(), net.items.end(),
                                                       [](const Item& item) { return item.type == 4; }));
    }
    EXPECT_EQ(nodes, 467u);  // every (node ...) names one pad
    EXPECT_EQ(vias, 152u);   // every via is on a net
    const auto flipped = std::count_if(design.components.begin(), design.components.end(),
                                       [](const Component& component) { return component.side == 1; });
    EXPECT_EQ(flipped, 4);
}

TEST(PcadSampleBoard, NodeCountsOfSomeNets)
{
    const auto nodesOf = [](std::string_view name) {
        for (const Net& net : Sample().design.nets) {
            if (net.name == name)
                return net.nodes.size();
        }
        return std::size_t{999};
    };
    EXPECT_EQ(nodesOf("TFT-RS"), 2u);   // DD1.73, HG1.5
    EXPECT_EQ(nodesOf("A"), 4u);        // HG1.2, HG1.3, L1.1, C12.2
    EXPECT_EQ(nodesOf("N000009"), 3u);  // R24.2, C31.1, DD1.94
    EXPECT_EQ(Sample().design.nets.front().name, "TFT-RS");
    EXPECT_EQ(Sample().design.nets.front().id, 1);
}

TEST(PcadSampleBoard, DesignPathIsTheCopyThatWasRead)
{
    const std::string& path = Sample().design.path;  // the copy exists from here on
    EXPECT_EQ(path, std::filesystem::canonical(pcad::test::ScratchRoot() / "sample" / "EditPins.fpc.pcb").string());
}

// A pad's board record, worked out by hand below from the file's numbers (mm).
void ExpectPad(std::string_view refDes, std::string_view pin, std::int32_t x, std::int32_t y, std::int32_t rotation,
               std::int32_t flip, std::int32_t side)
{
    SCOPED_TRACE(::testing::Message() << refDes << "." << pin);
    const Node& node = NodeOf(refDes, pin);
    EXPECT_EQ(node.x, x);
    EXPECT_EQ(node.y, y);
    EXPECT_EQ(node.rotation, rotation);
    EXPECT_EQ(node.flip, flip);
    EXPECT_EQ(node.componentSide, side);
}

TEST(PcadSampleBoard, PadsOfPartsFlippedAt90)
{
    // XS3 at (223.3707, 235.6607), rotation 90, flipped.
    // Pin "1" is pad 7 at (-3.5, 3.5): turned 90 it is (-3.5, -3.5),
    // mirrored (3.5, -3.5), on the board (226.8707, 232.1607).
    ExpectPad("XS3", "1", 22687070, 23216070, 900, 1, 1);
    // Pin "9" is pad 10 at (-1.125, 7.5): turned (-7.5, -1.125), mirrored
    // (7.5, -1.125), on the board (230.8707, 234.5357).
    ExpectPad("XS3", "9", 23087070, 23453570, 900, 1, 1);
}

TEST(PcadSampleBoard, PadsOfAPartFlippedAt0)
{
    // Z2 at (261.4707, 266.2807), rotation 0, flipped. Pin "1" is pad 1 at
    // (0, -0.5): mirrored (0, -0.5), on the board (261.4707, 265.7807).
    ExpectPad("Z2", "1", 26147070, 26578070, 0, 1, 1);
}

TEST(PcadSampleBoard, PadsFlippedWithinAFlippedPartAreOnTop)
{
    // HG1 at (248.1707, 214.3807), rotation 180, flipped. Pin "1" is pad 4
    // at (7.8, -8.45), flipped within the pattern: turned 180 it is
    // (-7.8, 8.45), mirrored (7.8, 8.45), on the board (255.9707, 222.8307);
    // flipped twice, its copper is on top.
    ExpectPad("HG1", "1", 25597070, 22283070, 1800, 0, 1);
    // HG1's nets name its pins 1 to 22, all pads flipped within the pattern:
    // every one is on top. (Its unflipped pads, pins 23 to 28, are on no net.)
    int onTop = 0;
    int atBottom = 0;
    for (const Net& net : Sample().design.nets) {
        for (const Node& node : net.nodes) {
            if (node.refDes == "HG1")
                (node.flip == 0 ? onTop : atBottom) += 1;
        }
    }
    EXPECT_EQ(onTop, 22);
    EXPECT_EQ(atBottom, 0);
}

TEST(PcadSampleBoard, SurfacePadsOfPartsOnTopAreAtTheirPlace)
{
    // R2 (RC0805_0) at (216.3707, 213.2807), rotation 0, on top. Pin "1" is
    // pad 1 at (-1, 0), turned 270 in its pattern: (215.3707, 213.2807).
    ExpectPad("R2", "1", 21537070, 21328070, 2700, 0, 0);
}

} // namespace
} // namespace nodewick::design
