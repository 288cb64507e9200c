// The generated files, read back by the program's own loaders, must give the
// board they were written from: the JSON design file through the stand-in
// editor's loader, the P-CAD file (in either unit) through the P-CAD reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "design/design_file.h"
#include "design/pcad/pcad_reader.h"
#include "dbx/records.h"
#include "design_files.h"
#include "synthetic_board.h"
#include "temp_folder.h"

namespace nodewick::bench {
namespace {

constexpr BoardSpec kSpec{.pads = 3000, .seed = 11};

// The nodes and vias DBX should report for the board, net by net.
design::Design Expected(const SyntheticBoard& board)
{
    design::Design design;
    for (const SynthNet& net : board.nets) {
        design::Net expected{.name = net.name};
        for (const SynthAttribute& attribute : net.attributes)
            expected.attributes.push_back({.name = attribute.name, .value = attribute.value});
        for (const NodeRef& node : net.nodes) {
            const BoardPad pad = board.PadOf(node);
            const bool bottomPart = node.component != NodeRef::kFree && board.components[node.component].bottom;
            expected.nodes.push_back({.refDes = std::string(pad.refDes),
                                      .pin = std::string(pad.pin),
                                      .padStyle = pad.style,
                                      .x = pad.x,
                                      .y = pad.y,
                                      .flip = pad.flip ? 1 : 0,
                                      .rotation = pad.rotation,
                                      .componentSide = bottomPart ? 1 : 0});
        }
        for (const SynthVia& via : net.vias)
            expected.items.push_back({.type = dbx::kItemTypeVia,
                                      .x = via.x,
                                      .y = via.y,
                                      .viaStyle = via.style,
                                      .rotation = via.rotation,
                                      .flip = via.flipped ? 1 : 0});
        design.nets.push_back(std::move(expected));
    }
    return design;
}

std::vector<design::Item> ViasOf(const design::Net& net)
{
    std::vector<design::Item> vias;
    for (const design::Item& item : net.items)
        if (item.type == dbx::kItemTypeVia)
            vias.push_back(item);
    return vias;
}

// Compares net by net and stops at the first difference, naming it. Pad
// locations may be `tolerance` database units off: a reader that turns a
// footprint pad given in mils (four decimals, not exact) rounds only once,
// at the end.
void ExpectSameNets(const design::Design& expected, const design::Design& loaded, std::int32_t tolerance = 0)
{
    ASSERT_EQ(loaded.nets.size(), expected.nets.size());
    for (std::size_t n = 0; n < expected.nets.size(); ++n) {
        const design::Net& want = expected.nets[n];
        const design::Net& got = loaded.nets[n];
        ASSERT_EQ(got.name, want.name) << "net " << n + 1;
        ASSERT_EQ(got.attributes.size(), want.attributes.size()) << want.name;
        for (std::size_t a = 0; a < want.attributes.size(); ++a) {
            ASSERT_EQ(got.attributes[a].name, want.attributes[a].name) << want.name;
            ASSERT_EQ(got.attributes[a].value, want.attributes[a].value) << want.name;
        }
        ASSERT_EQ(got.nodes.size(), want.nodes.size()) << want.name;
        for (std::size_t i = 0; i < want.nodes.size(); ++i) {
            const design::Node& w = want.nodes[i];
            const design::Node& g = got.nodes[i];
            const std::string where = want.name + " node " + std::to_string(i) + " " + w.refDes + "-" + w.pin;
            ASSERT_EQ(g.refDes, w.refDes) << where;
            ASSERT_EQ(g.pin, w.pin) << where;
            ASSERT_EQ(g.padStyle, w.padStyle) << where;
            ASSERT_LE(std::abs(g.x - w.x), tolerance) << where << ": x " << g.x << ", not " << w.x;
            ASSERT_LE(std::abs(g.y - w.y), tolerance) << where << ": y " << g.y << ", not " << w.y;
            ASSERT_EQ(g.flip, w.flip) << where;
            ASSERT_EQ(g.rotation, w.rotation) << where;
            ASSERT_EQ(g.componentSide, w.componentSide) << where;
        }
        const std::vector<design::Item> vias = ViasOf(got);
        ASSERT_EQ(vias.size(), want.items.size()) << want.name;
        for (std::size_t i = 0; i < vias.size(); ++i) {
            const std::string where = want.name + " via " + std::to_string(i);
            ASSERT_EQ(vias[i].x, want.items[i].x) << where;
            ASSERT_EQ(vias[i].y, want.items[i].y) << where;
            ASSERT_EQ(vias[i].viaStyle, want.items[i].viaStyle) << where;
            ASSERT_EQ(vias[i].rotation, want.items[i].rotation) << where;
            ASSERT_EQ(vias[i].flip, want.items[i].flip) << where;
        }
    }
}

void ExpectSameStyles(const std::vector<SynthStyle>& expected, const std::vector<design::Style>& loaded)
{
    ASSERT_EQ(loaded.size(), expected.size());
    for (std::size_t s = 0; s < expected.size(); ++s) {
        EXPECT_EQ(loaded[s].name, expected[s].name);
        EXPECT_EQ(loaded[s].hole, expected[s].hole) << expected[s].name;
        EXPECT_EQ(loaded[s].startLayer, expected[s].start) << expected[s].name;
        EXPECT_EQ(loaded[s].endLayer, expected[s].end) << expected[s].name;
        for (const design::LayerShape& shape : expected[s].shapes) {
            const auto found = std::find_if(loaded[s].shapes.begin(), loaded[s].shapes.end(),
                                            [&](const design::LayerShape& l) { return l.layerId == shape.layerId; });
            ASSERT_NE(found, loaded[s].shapes.end()) << expected[s].name << " layer " << shape.layerId;
            EXPECT_EQ(found->width, shape.width) << expected[s].name << " layer " << shape.layerId;
            EXPECT_EQ(found->height, shape.height) << expected[s].name << " layer " << shape.layerId;
        }
    }
}

class GeneratedFiles : public ::testing::Test {
protected:
    GeneratedFiles() : board(GenerateBoard(kSpec)), expected(Expected(board)) { }

    std::string write(DesignFormat format, const std::string& name)
    {
        const std::string file = folder.file(name);
        const GeneratedDesign written = GenerateDesignFile(kSpec, format, file);
        EXPECT_EQ(written.counts.pads, kSpec.pads);
        EXPECT_EQ(written.bytes, std::filesystem::file_size(file));
        return file;
    }

    testing::TempFolder folder;
    SyntheticBoard board;
    design::Design expected;
};

TEST_F(GeneratedFiles, JsonDesignLoadsAsTheBoard)
{
    const design::LoadedDesign loaded = design::LoadDesignFile(write(DesignFormat::Json, "board.json"));
    EXPECT_TRUE(loaded.warnings.empty());
    ExpectSameNets(expected, loaded.design);
    ExpectSameStyles(board.padStyles, loaded.design.padStyles);
    ExpectSameStyles(board.viaStyles, loaded.design.viaStyles);
    ASSERT_EQ(loaded.design.components.size(), board.components.size());
    for (std::size_t c = 0; c < board.components.size(); ++c) {
        EXPECT_EQ(loaded.design.components[c].refDes, board.components[c].refDes);
        EXPECT_EQ(loaded.design.components[c].padCount,
                  static_cast<std::int32_t>(board.packages[board.components[c].package].pads.size()));
    }
    // Other net items than vias take their places in the walk too.
    std::size_t items = 0;
    std::size_t expectedItems = 0;
    for (std::size_t n = 0; n < board.nets.size(); ++n) {
        items += loaded.design.nets[n].items.size();
        expectedItems += board.nets[n].tracesBefore + board.nets[n].vias.size();
        for (const SynthVia& via : board.nets[n].vias)
            expectedItems += via.tracesAfter;
    }
    EXPECT_EQ(items, expectedItems);
}

TEST_F(GeneratedFiles, PcadDesignInMillimetresReadsAsTheBoard)
{
    const design::LoadedDesign loaded = design::ReadPcadDesign(write(DesignFormat::PcadMillimetres, "board.pcb"));
    EXPECT_TRUE(loaded.warnings.empty()) << loaded.warnings.front();
    ExpectSameNets(expected, loaded.design);
    ExpectSameStyles(board.padStyles, loaded.design.padStyles);
    ExpectSameStyles(board.viaStyles, loaded.design.viaStyles);
}

TEST_F(GeneratedFiles, PcadDesignInMilsReadsAsTheBoard)
{
    const design::LoadedDesign loaded = design::ReadPcadDesign(write(DesignFormat::PcadMils, "board.pcb"));
    EXPECT_TRUE(loaded.warnings.empty()) << loaded.warnings.front();
    ExpectSameNets(expected, loaded.design, 1);
    ExpectSameStyles(board.padStyles, loaded.design.padStyles);
    ExpectSameStyles(board.viaStyles, loaded.design.viaStyles);
}

}  // namespace
}  // namespace nodewick::bench
