#include "design/design_file.h"
#include "design/stand_in_editor.h"
#include "dbx/trim_null.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace nodewick::design;
using namespace nodewick::dbx;
namespace dbx = nodewick::dbx;

namespace {

constexpr std::int32_t kMil = 2540;

// The bundled demo board, opened in the stand-in editor as the exporter sees it.
class DemoBoard : public ::testing::Test {
protected:
    DemoBoard() : loaded(LoadDesignFile(NODEWICK_SOURCE_DIR "/examples/demo-board.json")), editor(loaded.design)
    {
    }
    void SetUp() override { ASSERT_EQ(editor.TOpenDesign(0, kDbxVersion, kDesignTypePcb, context), 0); }

    LoadedDesign loaded;
    StandInEditor editor;
    DbxContext context;
};

} // namespace

TEST_F(DemoBoard, LoadsWithoutWarningsAndReportsItsOwnPath)
{
    EXPECT_TRUE(loaded.warnings.empty());
    DesignInfo info;
    ASSERT_EQ(editor.TGetDesignInfo(context, info), 0);
    const std::string path = TrimNull(info.designFile.field());
#ifdef _WIN32
    EXPECT_TRUE(path.ends_with("\\examples\\demo-board.json")) << path;  // the system's separators
#else
    EXPECT_TRUE(path.ends_with("/examples/demo-board.json")) << path;
#endif
    EXPECT_EQ(TrimNull(info.title.field()), "Nodewick demo board");
    EXPECT_EQ(TrimNull(info.drawingNumber.field()), "NW-DEMO-001");
}

TEST_F(DemoBoard, FourCopperLayersAmongSeven)
{
    std::vector<std::string> copper;
    int layers = 0;
    LayerRecord layer;
    for (DbxStatus s = editor.TGetFirstLayer(context, layer); s == 0; s = editor.TGetNextLayer(context, layer)) {
        ++layers;
        if (layer.layerType == 0 || layer.layerType == 1)
            copper.push_back(TrimNull(layer.layerName.field()) + "   " + std::to_string(layer.layerId));
    }
    EXPECT_EQ(layers, 7);
    EXPECT_EQ(copper, (std::vector<std::string>{"Top   1", "Bottom   2", "Inner1   12", "GND_Plane   13"}));
}

TEST_F(DemoBoard, NetsInFileOrderWithTheirNodeCounts)
{
    std::vector<std::string> nets;
    NetRecord net;
    for (DbxStatus s = editor.TGetFirstNet(context, net); s == 0; s = editor.TGetNextNet(context, net))
        nets.push_back(std::to_string(net.netId) + ":" + TrimNull(net.netName.field()) + ":" +
                       std::to_string(net.nodeCount));
    EXPECT_EQ(nets, (std::vector<std::string>{"1:NET1:2", "2:NET10:3", "3:NET2:2", "4:GND:5", "5:DGND:1",
                                              "6:VCC5:3", "7:+5V:2", "8:-12V:2", "9:ANALOG_REF_2V5:3",
                                              "12:AGND:1"}));

    // The export starts collecting only when net 1 has a first node.
    ItemRecord node;
    EXPECT_EQ(editor.TGetFirstNetNode(context, 1, node), 0);

    AttrRecord attribute;
    for (const std::int32_t tied : {5, 12}) {
        ASSERT_EQ(editor.TGetFirstNetAttribute(context, tied, attribute), 0);
        EXPECT_EQ(TrimNull(attribute.name.field()), "TieNet");
        EXPECT_EQ(TrimNull(attribute.value.field()), "AGND_DGND");
    }
    ASSERT_EQ(editor.TGetFirstNetAttribute(context, 7, attribute), 0);
    EXPECT_EQ(TrimNull(attribute.name.field()), "NetClass");
}

TEST_F(DemoBoard, PadsCoverEverySideRotationAndKind)
{
    int pads = 0;
    int freePads = 0;
    std::set<std::int32_t> rotations;
    std::map<std::string, int> bottomPads;  // refDes -> pads with flip 1 on a bottom-side part
    NetRecord net;
    for (DbxStatus s = editor.TGetFirstNet(context, net); s == 0; s = editor.TGetNextNet(context, net)) {
        ItemRecord node;
        for (DbxStatus n = editor.TGetFirstNetNode(context, net.netId, node); n == 0;
             n = editor.TGetNextNetNode(context, node)) {
            ++pads;
            const std::string refDes = TrimNull(node.pad.refDes.field());
            freePads += refDes.empty();
            rotations.insert(node.pad.rotation);
            if (node.component.side == 1 && node.pad.flip == 1)
                ++bottomPads[refDes];
            EXPECT_GT(node.pad.x, 0);
            EXPECT_GT(node.pad.y, 0);
            EXPECT_LT(node.pad.x, 99000 * kMil);
            EXPECT_LT(node.pad.y, 99000 * kMil);
        }
    }
    EXPECT_EQ(pads, 24);
    EXPECT_EQ(freePads, 1);
    EXPECT_EQ(rotations, (std::set<std::int32_t>{0, 455, 900, 1800, 2700}));
    EXPECT_EQ(bottomPads, (std::map<std::string, int>{{"R1", 2}}));

    // R1's surface style is drawn from the top: nothing on layer 2, 50 x 60 mil on layer 1.
    ShapeRecord shape;
    EXPECT_EQ(editor.TGetPadShapeByLayer(context, 1, 2, shape), 32144);
    ASSERT_EQ(editor.TGetPadShapeByLayer(context, 1, 1, shape), 0);
    EXPECT_EQ(shape.width, 50 * kMil);
    EXPECT_EQ(shape.height, 60 * kMil);
}

TEST_F(DemoBoard, SixThroughViasAndOneBlindVia)
{
    std::map<std::int32_t, int> viasByStyle;
    NetRecord net;
    for (DbxStatus s = editor.TGetFirstNet(context, net); s == 0; s = editor.TGetNextNet(context, net)) {
        ItemRecord item;
        for (DbxStatus i = editor.TGetFirstNetItem(context, net.netId, item); i == 0;
             i = editor.TGetNextNetItem(context, item)) {
            if (item.itemType == kItemTypeVia)
                ++viasByStyle[item.via.viaStyleId];
        }
    }
    EXPECT_EQ(viasByStyle, (std::map<std::int32_t, int>{{0, 6}, {1, 1}}));

    PadViaStyle style;
    ASSERT_EQ(editor.TGetViaStyle(context, 1, style), 0);
    EXPECT_EQ(style.startLayer, 1);
    EXPECT_EQ(style.endLayer, 12);
    EXPECT_EQ(style.holeDiameter, 8 * kMil);
    EXPECT_EQ(editor.TGetViaStyle(context, 2, style), 32178);  // the via style list ends at id 2
}

TEST_F(DemoBoard, ComponentsWithCountedAndGivenPadCounts)
{
    std::vector<std::string> components;
    ComponentRecord component;
    for (DbxStatus s = editor.TGetFirstComponent(context, component); s == 0;
         s = editor.TGetNextComponent(context, component))
        components.push_back(TrimNull(component.refDes.field()) + ":" + std::to_string(component.padCount) + ":" +
                             std::to_string(component.side));
    EXPECT_EQ(components, (std::vector<std::string>{"J1:4:0", "U1:8:0", "U2:8:0", "C1:2:0", "R1:2:1"}));
}
