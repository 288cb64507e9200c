// The reader on a real board: EditPins.fpc.pcb, written by FreePCB's P-CAD
// export in mm (168 parts, 4 of them flipped, 90 nets, 467 node entries,
// 152 vias; the display HG1 has 52 pads flipped within its pattern). The
// file is read-only test data; the test reads a copy of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "dbx/pcad/pcad_reader.h"
#include "pcad_text.h"

namespace nodewick::dbx {
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
    const std::filesystem::path copy =
        std::filesystem::canonical(std::filesystem::temp_directory_path() / "nodewick-pcad-tests" / "sample" / "EditPins.fpc.pcb");
    EXPECT_EQ(Sample().design.path, copy.string());
}

TEST(PcadSampleBoard, PadsOfPartsFlippedAt90)
{
    // XS3 at (223.3707, 235.6607), rotation 90, flipped.
    // Pin "1" is pad 7 at (-3.5, 3.5): turned 90 it is (-3.5, -3.5),
    // mirrored (3.5, -3.5), on the board (226.8707, 232.1607).
    const Node& pin1 = NodeOf("XS3", "1");
    EXPECT_EQ(pin1.x, 22687070);
    EXPECT_EQ(pin1.y, 23216070);
    EXPECT_EQ(pin1.rotation, 900);
    EXPECT_EQ(pin1.flip, 1);
    EXPECT_EQ(pin1.componentSide, 1);
    // Pin "9" is pad 10 at (-1.125, 7.5): turned (-7.5, -1.125), mirrored
    // (7.5, -1.125), on the board (230.8707, 234.5357).
    const Node& pin9 = NodeOf("XS3", "9");
    EXPECT_EQ(pin9.x, 23087070);
    EXPECT_EQ(pin9.y, 23453570);
}

TEST(PcadSampleBoard, PadsOfAPartFlippedAt0)
{
    // Z2 at (261.4707, 266.2807), rotation 0, flipped. Pin "1" is pad 1 at
    // (0, -0.5): mirrored (0, -0.5), on the board (261.4707, 265.7807).
    const Node& pin1 = NodeOf("Z2", "1");
    EXPECT_EQ(pin1.x, 26147070);
    EXPECT_EQ(pin1.y, 26578070);
    EXPECT_EQ(pin1.flip, 1);
    EXPECT_EQ(pin1.rotation, 0);
}

TEST(PcadSampleBoard, PadsFlippedWithinAFlippedPartAreOnTop)
{
    // HG1 at (248.1707, 214.3807), rotation 180, flipped. Pin "1" is pad 4
    // at (7.8, -8.45), flipped within the pattern: turned 180 it is
    // (-7.8, 8.45), mirrored (7.8, 8.45), on the board (255.9707, 222.8307);
    // flipped twice, its copper is on top.
    const Node& pin1 = NodeOf("HG1", "1");
    EXPECT_EQ(pin1.x, 25597070);
    EXPECT_EQ(pin1.y, 22283070);
    EXPECT_EQ(pin1.flip, 0);
    EXPECT_EQ(pin1.rotation, 1800);
    EXPECT_EQ(pin1.componentSide, 1);
    // Every one of HG1's 22 flipped pads on a net is on top; its pads 1 to 3
    // and 26, 27 (pins 23, 24, 26, 27, 28) are not flipped in the pattern
    // and stay at the bottom with the part.
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
    const Node& pin1 = NodeOf("R2", "1");
    EXPECT_EQ(pin1.x, 21537070);
    EXPECT_EQ(pin1.y, 21328070);
    EXPECT_EQ(pin1.rotation, 2700);
    EXPECT_EQ(pin1.flip, 0);
    EXPECT_EQ(pin1.componentSide, 0);
}

} // namespace
} // namespace nodewick::dbx
