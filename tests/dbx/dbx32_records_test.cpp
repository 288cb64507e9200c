#include "dbx/dbx32_records.h"

#include <cstring>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "dbx/trim_null.h"

// The library's records are filled here byte by byte at the offsets the DBX
// interface lays down, so that a field declared in the wrong place shows up
// as a wrong value, whatever the struct declarations say.
namespace nodewick::dbx::abi {
namespace {

template <typename Record>
class RawBytes {
public:
    static_assert(std::is_trivially_copyable_v<Record>);

    void setLong(std::size_t offset, std::int32_t value) { std::memcpy(bytes_ + offset, &value, sizeof value); }
    void setText(std::size_t offset, std::string_view text) { std::memcpy(bytes_ + offset, text.data(), text.size()); }

    Record record() const
    {
        Record record;
        std::memcpy(&record, bytes_, sizeof record);
        return record;
    }

private:
    unsigned char bytes_[sizeof(Record)] = {};
};

TEST(ItemFromLibrary, PadFieldsComeFromTheirOffsets)
{
    RawBytes<TItem> raw;
    raw.setLong(0, 3);              // pad
    raw.setText(6024, "U7");        // component reference
    raw.setLong(6124, 12);          // pad style
    raw.setLong(6128, 254000);      // x
    raw.setLong(6132, -508000);     // y
    raw.setLong(6140, 1);           // flipped
    raw.setLong(6144, 900);         // 90 degrees
    raw.setText(6176, "A12");       // pin designator
    raw.setText(6400, "99");        // default designator
    ItemRecord item;
    ToItemRecord(raw.record(), item);
    EXPECT_EQ(item.itemType, 3);
    EXPECT_EQ(TrimNull(item.pad.refDes.field()), "U7");
    EXPECT_EQ(item.pad.padStyleId, 12);
    EXPECT_EQ(item.pad.x, 254000);
    EXPECT_EQ(item.pad.y, -508000);
    EXPECT_EQ(item.pad.flip, 1);
    EXPECT_EQ(item.pad.rotation, 900);
    EXPECT_EQ(TrimNull(item.pad.pinDes.field()), "A12");
}

TEST(ItemFromLibrary, EmptyPinDesignatorFallsBackToTheDefaultOne)
{
    RawBytes<TItem> raw;
    raw.setLong(0, 3);
    raw.setText(6400, "7");
    ItemRecord item;
    ToItemRecord(raw.record(), item);
    EXPECT_EQ(TrimNull(item.pad.pinDes.field()), "7");
}

TEST(ItemFromLibrary, ViaFieldsComeFromTheirOwnOrder)
{
    // A via keeps its net before its centre and its rotation before its style.
    RawBytes<TItem> raw;
    raw.setLong(0, 4);
    raw.setLong(9496, 55);      // net id, not a coordinate
    raw.setLong(9500, 1016000); // x
    raw.setLong(9504, 2032000); // y
    raw.setLong(9508, 450);     // rotation
    raw.setLong(9512, 2);       // via style
    raw.setLong(9532, 1);       // flipped
    ItemRecord item;
    ToItemRecord(raw.record(), item);
    EXPECT_EQ(item.itemType, 4);
    EXPECT_EQ(item.via.x, 1016000);
    EXPECT_EQ(item.via.y, 2032000);
    EXPECT_EQ(item.via.rotation, 450);
    EXPECT_EQ(item.via.viaStyleId, 2);
    EXPECT_EQ(item.via.flip, 1);
}

TEST(ItemFromLibrary, ComponentPartCountsOnlyWhenItNamesThePadsComponent)
{
    RawBytes<TItem> filled;
    filled.setText(6024, "R3");
    filled.setText(1624, "R3");
    EXPECT_TRUE(ComponentPartFilled(filled.record()));

    RawBytes<TItem> other;
    other.setText(6024, "R3");
    other.setText(1624, "R30");
    EXPECT_FALSE(ComponentPartFilled(other.record()));

    RawBytes<TItem> empty;
    empty.setText(6024, "R3");
    EXPECT_FALSE(ComponentPartFilled(empty.record()));

    RawBytes<TItem> freePad;  // neither names a component
    EXPECT_FALSE(ComponentPartFilled(freePad.record()));
}

TEST(RecordsFromLibrary, DesignTextsComeFromTheirFields)
{
    RawBytes<TDesign> raw;
    raw.setText(0, "C:\\pcb\\board.pcb");
    raw.setText(100, "Title");
    raw.setText(200, "Engineer");
    raw.setText(300, "Rev C");
    raw.setText(400, "not read");
    raw.setText(600, "DRW-1");
    DesignInfo info;
    ToDesignInfo(raw.record(), info);
    EXPECT_EQ(TrimNull(info.designFile.field()), "C:\\pcb\\board.pcb");
    EXPECT_EQ(TrimNull(info.title.field()), "Title");
    EXPECT_EQ(TrimNull(info.engineer.field()), "Engineer");
    EXPECT_EQ(TrimNull(info.revision.field()), "Rev C");
    EXPECT_EQ(TrimNull(info.drawingNumber.field()), "DRW-1");
}

TEST(RecordsFromLibrary, FullLengthNameWithoutNulStopsAtTheFieldEnd)
{
    const std::string hundred(100, 'N');
    RawBytes<TNet> raw;
    raw.setLong(0, 8);
    raw.setText(4, hundred);
    raw.setLong(104, 3);
    raw.setLong(108, 777);  // the length after the name is not part of it
    NetRecord net;
    ToNetRecord(raw.record(), net);
    EXPECT_EQ(net.netId, 8);
    EXPECT_EQ(TrimNull(net.netName.field()), hundred);
    EXPECT_EQ(net.nodeCount, 3);
    EXPECT_EQ(BoundedText(raw.record().netName).size(), 100u);
}

TEST(RecordsFromLibrary, LayerComponentStyleShapeAndAttribute)
{
    RawBytes<TLayer> layer;
    layer.setLong(0, 12);
    layer.setText(4, "Inner1");
    layer.setLong(104, 1);
    LayerRecord ourLayer;
    ToLayerRecord(layer.record(), ourLayer);
    EXPECT_EQ(ourLayer.layerId, 12);
    EXPECT_EQ(TrimNull(ourLayer.layerName.field()), "Inner1");
    EXPECT_EQ(ourLayer.layerType, 1);

    RawBytes<TComponent> component;
    component.setText(4, "J2");
    component.setLong(688, 40);
    component.setLong(704, 1);
    ComponentRecord ourComponent;
    ToComponentRecord(component.record(), ourComponent);
    EXPECT_EQ(TrimNull(ourComponent.refDes.field()), "J2");
    EXPECT_EQ(ourComponent.padCount, 40);
    EXPECT_EQ(ourComponent.side, 1);

    RawBytes<TPadViaStyle> style;
    style.setText(8, "P60");
    style.setLong(108, 88900);
    style.setLong(112, 0);
    style.setLong(124, 1);
    style.setLong(128, 2);
    PadViaStyle ourStyle;
    ToPadViaStyle(style.record(), ourStyle);
    EXPECT_EQ(TrimNull(ourStyle.name.field()), "P60");
    EXPECT_EQ(ourStyle.holeDiameter, 88900);
    EXPECT_EQ(ourStyle.isHolePlated, 0);
    EXPECT_EQ(ourStyle.startLayer, 1);
    EXPECT_EQ(ourStyle.endLayer, 2);

    RawBytes<TPadViaShape> shape;
    shape.setLong(16, 1);  // hole diameter, not the width
    shape.setLong(20, 152400);
    shape.setLong(24, 76200);
    ShapeRecord ourShape;
    ToShapeRecord(shape.record(), ourShape);
    EXPECT_EQ(ourShape.width, 152400);
    EXPECT_EQ(ourShape.height, 76200);

    RawBytes<TAttribute> attribute;
    attribute.setText(4, "TieNet");
    attribute.setText(104, std::string(255, 'v'));
    AttrRecord ourAttribute;
    ToAttrRecord(attribute.record(), ourAttribute);
    EXPECT_EQ(TrimNull(ourAttribute.name.field()), "TieNet");
    EXPECT_EQ(TrimNull(ourAttribute.value.field()), std::string(255, 'v'));
}

} // namespace
} // namespace nodewick::dbx::abi
