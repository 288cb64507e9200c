#include "design/stand_in_editor.h"

#include "base/error.h"
#include "dbx/trim_null.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

using namespace nodewick::design;
using namespace nodewick::dbx;
namespace dbx = nodewick::dbx;

namespace {

// Two signal layers, an inner plane and a silk layer; a via style with a
// shape for layer 1 only and a pad style with per-type shapes; three nets, the
// second without nodes, items or attributes.
Design SmallDesign()
{
    Design design;
    design.path = "C:\\pcb\\small.pcb";
    design.title = "Small";
    design.engineer = "E. Ngineer";
    design.revision = "B";
    design.drawingNumber = "D-17";
    design.layers = {
        {.id = 1, .name = "Top", .type = 0},
        {.id = 2, .name = "Bottom", .type = 0},
        {.id = 13, .name = "Plane", .type = 1},
        {.id = 6, .name = "Silk", .type = 2},
    };
    design.padStyles = {
        {.id = 7,
         .name = "P60",
         .hole = 96520,
         .startLayer = 1,
         .endLayer = 2,
         .shapes = {{.layerId = 2, .width = 200000, .height = 100000}},
         .typeShapes = {{.layerType = 0, .width = 152400, .height = 152400},
                        {.layerType = 1, .width = 203200, .height = 203200}}},
    };
    design.viaStyles = {
        {.id = 0, .name = "V0", .hole = 30480, .startLayer = 1, .endLayer = 2,
         .shapes = {{.layerId = 1, .width = 60960, .height = 60960}}},
        {.id = 3, .name = "V3", .hole = 20320, .startLayer = 1, .endLayer = 13},
    };
    design.components = {
        {.refDes = "U1", .side = 0, .padCount = 2},
        {.refDes = "R9", .side = 1, .padCount = 1},
    };
    design.nets = {
        {.id = 40,
         .name = "GND",
         .attributes = {{.name = "TieNet", .value = "G"}, {.name = "Second", .value = "x"}},
         .nodes = {{.refDes = "U1", .pin = "1", .padStyle = 7, .x = 254000, .y = 508000, .flip = 0, .rotation = 900,
                    .componentSide = 0},
                   {.refDes = "R9", .pin = "2", .padStyle = 7, .x = 762000, .y = 1016000, .flip = 1,
                    .rotation = 2700, .componentSide = 1},
                   {.refDes = "", .pin = "", .padStyle = 7, .x = 100, .y = 200}},
         .items = {{.type = 4, .x = 1270000, .y = 2540000, .viaStyle = 3, .rotation = 455, .flip = 1},
                   {.type = 9}}},
        {.id = 5, .name = "EMPTY"},
        {.id = 41, .name = "VCC", .nodes = {{.refDes = "U1", .pin = "2", .padStyle = 7, .x = 1, .y = 2}},
         .items = {{.type = 4, .x = 10, .y = 20, .viaStyle = 0}, {.type = 4, .x = 30, .y = 40, .viaStyle = 0}}},
    };
    return design;
}

// A record filled with a byte pattern no DBX call writes, so a call that
// touches any byte of it is caught.
template <typename Record>
Record Sentinel()
{
    static_assert(std::is_trivially_copyable_v<Record>);
    Record record;
    std::memset(static_cast<void*>(&record), 0x5A, sizeof record);
    return record;
}

template <typename Record>
bool Untouched(const Record& record)
{
    const Record sentinel = Sentinel<Record>();
    return std::memcmp(&record, &sentinel, sizeof record) == 0;
}

class StandIn : public ::testing::Test {
protected:
    explicit StandIn(Design design = SmallDesign()) : editor(std::move(design)) {}

    void SetUp() override { ASSERT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 0); }

    StandInEditor editor;
    dbx::DbxContext context;
};

} // namespace

TEST(StandInWithoutDesign, OpenGivesConnectionErrorAndEveryLaterCallNoConnection)
{
    StandInEditor editor(std::nullopt);
    dbx::DbxContext context;
    EXPECT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 32001);
    EXPECT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 32001);

    dbx::DesignInfo info;
    dbx::LayerRecord layer;
    dbx::NetRecord net;
    dbx::ItemRecord item;
    dbx::ComponentRecord component;
    dbx::AttrRecord attribute;
    dbx::PadViaStyle style;
    dbx::ShapeRecord shape;
    const std::vector<std::function<dbx::DbxStatus()>> calls = {
        [&] { return editor.TGetDesignInfo(context, info); },
        [&] { return editor.TGetFirstLayer(context, layer); },
        [&] { return editor.TGetNextLayer(context, layer); },
        [&] { return editor.TGetFirstNet(context, net); },
        [&] { return editor.TGetNextNet(context, net); },
        [&] { return editor.TGetNetById(context, 1, net); },
        [&] { return editor.TGetFirstNetNode(context, 1, item); },
        [&] { return editor.TGetNextNetNode(context, item); },
        [&] { return editor.TGetFirstNetItem(context, 1, item); },
        [&] { return editor.TGetNextNetItem(context, item); },
        [&] { return editor.TGetFirstComponent(context, component); },
        [&] { return editor.TGetNextComponent(context, component); },
        [&] { return editor.TGetFirstNetAttribute(context, 1, attribute); },
        [&] { return editor.TGetPadStyle(context, 0, style); },
        [&] { return editor.TGetViaStyle(context, 0, style); },
        [&] { return editor.TGetPadShapeByLayer(context, 0, 1, shape); },
        [&] { return editor.TGetViaShapeByLayer(context, 0, 1, shape); },
        [&] { return editor.TCloseDesign(context, ""); },
    };
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i](), 32105) << "call " << i;
}

TEST(StandInConversation, CallsBeforeOpenAndAfterCloseGiveNoConnection)
{
    StandInEditor editor(SmallDesign());
    dbx::DbxContext context;
    dbx::LayerRecord layer;
    EXPECT_EQ(editor.TGetFirstLayer(context, layer), 32105);
    EXPECT_EQ(editor.TCloseDesign(context, ""), 32105);

    ASSERT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 0);
    EXPECT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 32104);  // Already Connected
    EXPECT_EQ(editor.TGetFirstLayer(context, layer), 0);
    EXPECT_EQ(editor.TCloseDesign(context, ""), 0);
    EXPECT_EQ(editor.TGetNextLayer(context, layer), 32105);
    EXPECT_EQ(editor.TCloseDesign(context, ""), 32105);

    // A new conversation starts every walk afresh.
    ASSERT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 0);
    EXPECT_EQ(editor.TGetNextLayer(context, layer), 32145);
}

TEST(StandInConversation, OpenRefusesOtherVersionOrDesignType)
{
    StandInEditor editor(SmallDesign());
    dbx::DbxContext context;
    EXPECT_EQ(editor.TOpenDesign(0, 15000, dbx::kDesignTypePcb, context), 32006);
    EXPECT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, "SCH", context), 32122);
    dbx::LayerRecord layer;
    EXPECT_EQ(editor.TGetFirstLayer(context, layer), 32105);
}

TEST_F(StandIn, DesignInfoCarriesTheFiveTexts)
{
    dbx::DesignInfo info;
    ASSERT_EQ(editor.TGetDesignInfo(context, info), 0);
    EXPECT_EQ(dbx::TrimNull(info.designFile.field()), "C:\\pcb\\small.pcb");
    EXPECT_EQ(dbx::TrimNull(info.title.field()), "Small");
    EXPECT_EQ(dbx::TrimNull(info.engineer.field()), "E. Ngineer");
    EXPECT_EQ(dbx::TrimNull(info.revision.field()), "B");
    EXPECT_EQ(dbx::TrimNull(info.drawingNumber.field()), "D-17");
}

TEST_F(StandIn, LayerWalkDeliversDesignOrderThenKeepsGivingNoMoreLayers)
{
    dbx::LayerRecord layer;
    EXPECT_EQ(editor.TGetNextLayer(context, layer), 32145);
    std::vector<std::string> seen;
    for (dbx::DbxStatus s = editor.TGetFirstLayer(context, layer); s == 0; s = editor.TGetNextLayer(context, layer))
        seen.push_back(std::to_string(layer.layerId) + " " + dbx::TrimNull(layer.layerName.field()) + " " +
                       std::to_string(layer.layerType));
    EXPECT_EQ(seen, (std::vector<std::string>{"1 Top 0", "2 Bottom 0", "13 Plane 1", "6 Silk 2"}));
    EXPECT_EQ(editor.TGetNextLayer(context, layer), 32161);
    EXPECT_EQ(editor.TGetNextLayer(context, layer), 32161);

    // First starts again from the beginning.
    ASSERT_EQ(editor.TGetFirstLayer(context, layer), 0);
    EXPECT_EQ(layer.layerId, 1);
}

TEST_F(StandIn, NetWalkGivesIdNameAndNodeCount)
{
    dbx::NetRecord net;
    EXPECT_EQ(editor.TGetNextNet(context, net), 32145);
    std::vector<std::string> seen;
    for (dbx::DbxStatus s = editor.TGetFirstNet(context, net); s == 0; s = editor.TGetNextNet(context, net))
        seen.push_back(std::to_string(net.netId) + " " + dbx::TrimNull(net.netName.field()) + " " +
                       std::to_string(net.nodeCount));
    EXPECT_EQ(seen, (std::vector<std::string>{"40 GND 3", "5 EMPTY 0", "41 VCC 1"}));
    EXPECT_EQ(editor.TGetNextNet(context, net), 32162);
}

TEST_F(StandIn, ComponentWalkEndsWithNoMoreComponents)
{
    dbx::ComponentRecord component;
    EXPECT_EQ(editor.TGetNextComponent(context, component), 32145);
    ASSERT_EQ(editor.TGetFirstComponent(context, component), 0);
    EXPECT_EQ(dbx::TrimNull(component.refDes.field()), "U1");
    EXPECT_EQ(component.padCount, 2);
    EXPECT_EQ(component.side, 0);
    ASSERT_EQ(editor.TGetNextComponent(context, component), 0);
    EXPECT_EQ(dbx::TrimNull(component.refDes.field()), "R9");
    EXPECT_EQ(component.side, 1);
    EXPECT_EQ(editor.TGetNextComponent(context, component), 32168);
    EXPECT_EQ(editor.TGetNextComponent(context, component), 32168);
}

TEST_F(StandIn, NetByIdFindsAnyNetAndRejectsUnknownIds)
{
    dbx::NetRecord net;
    ASSERT_EQ(editor.TGetNetById(context, 41, net), 0);
    EXPECT_EQ(dbx::TrimNull(net.netName.field()), "VCC");
    EXPECT_EQ(net.nodeCount, 1);
    net = Sentinel<dbx::NetRecord>();
    EXPECT_EQ(editor.TGetNetById(context, 6, net), 32176);
    EXPECT_TRUE(Untouched(net));
}

TEST_F(StandIn, NodeWalkFillsPadAndComponentSide)
{
    dbx::ItemRecord node;
    EXPECT_EQ(editor.TGetNextNetNode(context, node), 32145);
    ASSERT_EQ(editor.TGetFirstNetNode(context, 40, node), 0);
    EXPECT_EQ(node.itemType, dbx::kItemTypePad);
    EXPECT_EQ(dbx::TrimNull(node.pad.refDes.field()), "U1");
    EXPECT_EQ(dbx::TrimNull(node.pad.pinDes.field()), "1");
    EXPECT_EQ(node.pad.padStyleId, 7);
    EXPECT_EQ(node.pad.x, 254000);
    EXPECT_EQ(node.pad.y, 508000);
    EXPECT_EQ(node.pad.rotation, 900);
    EXPECT_EQ(node.component.side, 0);

    ASSERT_EQ(editor.TGetNextNetNode(context, node), 0);
    EXPECT_EQ(dbx::TrimNull(node.pad.refDes.field()), "R9");
    EXPECT_EQ(node.pad.flip, 1);
    EXPECT_EQ(node.pad.rotation, 2700);
    EXPECT_EQ(node.component.side, 1);

    ASSERT_EQ(editor.TGetNextNetNode(context, node), 0);
    EXPECT_EQ(dbx::TrimNull(node.pad.refDes.field()), "");  // free pad
    EXPECT_EQ(node.component.side, 0);
    EXPECT_EQ(node.pad.x, 100);

    EXPECT_EQ(editor.TGetNextNetNode(context, node), 32163);
    EXPECT_EQ(editor.TGetNextNetNode(context, node), 32163);
}

TEST_F(StandIn, NetWithoutNodesOrItemsEndsAtItsFirstCall)
{
    dbx::ItemRecord record = Sentinel<dbx::ItemRecord>();
    EXPECT_EQ(editor.TGetFirstNetNode(context, 5, record), 32163);
    EXPECT_EQ(editor.TGetNextNetNode(context, record), 32163);
    EXPECT_EQ(editor.TGetFirstNetItem(context, 5, record), 32163);
    EXPECT_EQ(editor.TGetNextNetItem(context, record), 32163);
    EXPECT_TRUE(Untouched(record));
}

TEST_F(StandIn, UnknownNetIdGivesInvalidNetIdToNodeItemAndAttributeCalls)
{
    dbx::ItemRecord item = Sentinel<dbx::ItemRecord>();
    dbx::AttrRecord attribute = Sentinel<dbx::AttrRecord>();
    EXPECT_EQ(editor.TGetFirstNetNode(context, 99, item), 32176);
    EXPECT_EQ(editor.TGetFirstNetItem(context, 99, item), 32176);
    EXPECT_EQ(editor.TGetFirstNetAttribute(context, 99, attribute), 32176);
    EXPECT_TRUE(Untouched(item));
    EXPECT_TRUE(Untouched(attribute));
    // A failed first call starts no walk.
    EXPECT_EQ(editor.TGetNextNetNode(context, item), 32145);
}

TEST_F(StandIn, ItemWalkFillsViasAndPassesOtherItems)
{
    dbx::ItemRecord item;
    EXPECT_EQ(editor.TGetNextNetItem(context, item), 32145);
    ASSERT_EQ(editor.TGetFirstNetItem(context, 40, item), 0);
    EXPECT_EQ(item.itemType, dbx::kItemTypeVia);
    EXPECT_EQ(item.via.x, 1270000);
    EXPECT_EQ(item.via.y, 2540000);
    EXPECT_EQ(item.via.viaStyleId, 3);
    EXPECT_EQ(item.via.rotation, 455);
    EXPECT_EQ(item.via.flip, 1);
    ASSERT_EQ(editor.TGetNextNetItem(context, item), 0);
    EXPECT_EQ(item.itemType, 9);
    EXPECT_EQ(item.via.x, 0);
    EXPECT_EQ(editor.TGetNextNetItem(context, item), 32163);
}

TEST_F(StandIn, WalksKeepTheirPositionsAcrossInterleavedCalls)
{
    dbx::ItemRecord node;
    dbx::ItemRecord item;
    dbx::NetRecord net;
    dbx::AttrRecord attribute;
    dbx::PadViaStyle style;
    dbx::ShapeRecord shape;
    dbx::LayerRecord layer;

    ASSERT_EQ(editor.TGetFirstNet(context, net), 0);             // net walk at GND
    ASSERT_EQ(editor.TGetFirstLayer(context, layer), 0);         // layer walk at Top
    ASSERT_EQ(editor.TGetFirstNetNode(context, 40, node), 0);    // GND node 1
    ASSERT_EQ(editor.TGetFirstNetItem(context, 41, item), 0);    // VCC via 1
    EXPECT_EQ(item.via.x, 10);

    EXPECT_EQ(editor.TGetNetById(context, 41, net), 0);
    EXPECT_EQ(editor.TGetFirstNetAttribute(context, 40, attribute), 0);
    EXPECT_EQ(editor.TGetPadStyle(context, 7, style), 0);
    EXPECT_EQ(editor.TGetPadShapeByLayer(context, 7, 1, shape), 0);
    EXPECT_EQ(editor.TGetViaStyle(context, 0, style), 0);
    EXPECT_EQ(editor.TGetViaShapeByLayer(context, 0, 1, shape), 0);
    EXPECT_EQ(editor.TGetFirstNetAttribute(context, 5, attribute), 32141);
    EXPECT_EQ(editor.TGetNetById(context, 77, net), 32176);

    ASSERT_EQ(editor.TGetNextNetNode(context, node), 0);
    EXPECT_EQ(dbx::TrimNull(node.pad.refDes.field()), "R9");
    ASSERT_EQ(editor.TGetNextNetItem(context, item), 0);
    EXPECT_EQ(item.via.x, 30);
    ASSERT_EQ(editor.TGetNextNet(context, net), 0);
    EXPECT_EQ(net.netId, 5);
    ASSERT_EQ(editor.TGetNextLayer(context, layer), 0);
    EXPECT_EQ(layer.layerId, 2);

    // The node walk and the item walk do not move each other.
    ASSERT_EQ(editor.TGetFirstNetItem(context, 40, item), 0);
    ASSERT_EQ(editor.TGetNextNetNode(context, node), 0);
    EXPECT_EQ(node.pad.x, 100);
    ASSERT_EQ(editor.TGetNextNetItem(context, item), 0);
    EXPECT_EQ(item.itemType, 9);
}

TEST_F(StandIn, FirstAttributeOnlyAndItemNotFoundWithoutAttributes)
{
    dbx::AttrRecord attribute;
    ASSERT_EQ(editor.TGetFirstNetAttribute(context, 40, attribute), 0);
    EXPECT_EQ(dbx::TrimNull(attribute.name.field()), "TieNet");
    EXPECT_EQ(dbx::TrimNull(attribute.value.field()), "G");
    attribute = Sentinel<dbx::AttrRecord>();
    EXPECT_EQ(editor.TGetFirstNetAttribute(context, 41, attribute), 32141);
    EXPECT_TRUE(Untouched(attribute));
}

TEST_F(StandIn, StylesAreFoundByTheirIdNotTheirPlace)
{
    dbx::PadViaStyle style;
    ASSERT_EQ(editor.TGetViaStyle(context, 3, style), 0);
    EXPECT_EQ(dbx::TrimNull(style.name.field()), "V3");
    EXPECT_EQ(style.holeDiameter, 20320);
    EXPECT_EQ(style.startLayer, 1);
    EXPECT_EQ(style.endLayer, 13);
    ASSERT_EQ(editor.TGetPadStyle(context, 7, style), 0);
    EXPECT_EQ(dbx::TrimNull(style.name.field()), "P60");
    EXPECT_EQ(style.holeDiameter, 96520);

    // Listing via styles by ids 0, 1, 2, ... stops at the first gap.
    style = Sentinel<dbx::PadViaStyle>();
    EXPECT_EQ(editor.TGetViaStyle(context, 1, style), 32178);
    EXPECT_EQ(editor.TGetPadStyle(context, 0, style), 32178);
    EXPECT_EQ(editor.TGetViaStyle(context, 7, style), 32178);  // a pad style is not a via style
    EXPECT_TRUE(Untouched(style));
}

TEST_F(StandIn, ShapeByLayerEntryThenByLayerTypeElseShapeNotDefined)
{
    dbx::ShapeRecord shape;
    ASSERT_EQ(editor.TGetPadShapeByLayer(context, 7, 2, shape), 0);  // its own entry beats the type's
    EXPECT_EQ(shape.width, 200000);
    EXPECT_EQ(shape.height, 100000);
    ASSERT_EQ(editor.TGetPadShapeByLayer(context, 7, 1, shape), 0);  // signal layer, by type
    EXPECT_EQ(shape.width, 152400);
    ASSERT_EQ(editor.TGetPadShapeByLayer(context, 7, 13, shape), 0);  // plane, by type
    EXPECT_EQ(shape.width, 203200);

    shape = Sentinel<dbx::ShapeRecord>();
    EXPECT_EQ(editor.TGetPadShapeByLayer(context, 7, 6, shape), 32144);   // silk: no shape of that type
    EXPECT_EQ(editor.TGetPadShapeByLayer(context, 7, 99, shape), 32144);  // no such layer
    EXPECT_EQ(editor.TGetViaShapeByLayer(context, 0, 2, shape), 32144);
    EXPECT_EQ(editor.TGetViaShapeByLayer(context, 4, 1, shape), 32178);
    EXPECT_EQ(editor.TGetPadShapeByLayer(context, 0, 1, shape), 32178);
    EXPECT_TRUE(Untouched(shape));

    ASSERT_EQ(editor.TGetViaShapeByLayer(context, 0, 1, shape), 0);
    EXPECT_EQ(shape.width, 60960);
    EXPECT_EQ(shape.height, 60960);
}

TEST_F(StandIn, EndOfWalkLeavesTheRecordUntouched)
{
    dbx::LayerRecord layer;
    ASSERT_EQ(editor.TGetFirstLayer(context, layer), 0);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(editor.TGetNextLayer(context, layer), 0);
    layer = Sentinel<dbx::LayerRecord>();
    EXPECT_EQ(editor.TGetNextLayer(context, layer), 32161);
    EXPECT_TRUE(Untouched(layer));

    dbx::ItemRecord node;
    ASSERT_EQ(editor.TGetFirstNetNode(context, 41, node), 0);
    node = Sentinel<dbx::ItemRecord>();
    EXPECT_EQ(editor.TGetNextNetNode(context, node), 32163);
    EXPECT_TRUE(Untouched(node));
}

namespace {

Design DesignForcing(Operation operation, dbx::DbxStatus status)
{
    Design design = SmallDesign();
    design.forcedStatuses = {{.operation = operation, .status = status}};
    return design;
}

} // namespace

TEST(StandInForcedStatus, EveryCallOfTheOperationGivesTheForcedStatus)
{
    StandInEditor editor(DesignForcing(Operation::TGetPadStyle, 32141));
    dbx::DbxContext context;
    ASSERT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 0);
    dbx::PadViaStyle style = Sentinel<dbx::PadViaStyle>();
    EXPECT_EQ(editor.TGetPadStyle(context, 7, style), 32141);
    EXPECT_EQ(editor.TGetPadStyle(context, 7, style), 32141);
    EXPECT_EQ(editor.TGetPadStyle(context, 12345, style), 32141);
    EXPECT_TRUE(Untouched(style));
    EXPECT_EQ(editor.TGetViaStyle(context, 0, style), 0);  // other operations answer as usual
}

TEST(StandInForcedStatus, ForcedNextNodeLeavesTheWalkWhereItWas)
{
    StandInEditor editor(DesignForcing(Operation::TGetNextNetNode, 32016));
    dbx::DbxContext context;
    ASSERT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 0);
    dbx::ItemRecord node;
    ASSERT_EQ(editor.TGetFirstNetNode(context, 40, node), 0);
    EXPECT_EQ(editor.TGetNextNetNode(context, node), 32016);
    EXPECT_EQ(dbx::TrimNull(node.pad.refDes.field()), "U1");
}

TEST(StandInForcedStatus, ForcedOpenLeavesTheConversationClosed)
{
    StandInEditor editor(DesignForcing(Operation::TOpenDesign, 32106));
    dbx::DbxContext context;
    EXPECT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 32106);
    dbx::DesignInfo info;
    EXPECT_EQ(editor.TGetDesignInfo(context, info), 32105);
}

TEST(StandInDesignChecks, RepeatedIdsAndOverlongTextsAreRefused)
{
    Design repeatedNet = SmallDesign();
    repeatedNet.nets[1].id = 40;
    EXPECT_THROW(StandInEditor{repeatedNet}, nodewick::DesignError);

    Design repeatedViaStyle = SmallDesign();
    repeatedViaStyle.viaStyles[1].id = 0;
    EXPECT_THROW(StandInEditor{repeatedViaStyle}, nodewick::DesignError);

    Design longName = SmallDesign();
    longName.nets[0].name = std::string(101, 'N');
    EXPECT_THROW(StandInEditor{longName}, nodewick::DesignError);

    Design longestFits = SmallDesign();
    longestFits.nets[0].name = std::string(100, 'N');
    longestFits.nets[0].attributes[0].value = std::string(256, 'v');
    StandInEditor editor(longestFits);
    dbx::DbxContext context;
    ASSERT_EQ(editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context), 0);
    dbx::AttrRecord attribute;
    ASSERT_EQ(editor.TGetFirstNetAttribute(context, 40, attribute), 0);
    EXPECT_EQ(dbx::TrimNull(attribute.value.field()), std::string(256, 'v'));
}
