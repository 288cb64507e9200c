#include "design/stand_in_dll/raw_records.h"

#include <gtest/gtest.h>

#include "dbx/dbx32_records.h"
#include "dbx/trim_null.h"

namespace nodewick::design::stand_in_dll {
namespace {

dbx::ItemRecord PadNode()
{
    dbx::ItemRecord node;
    node.itemType = dbx::kItemTypePad;
    node.pad.refDes.assign("C4");
    node.pad.padStyleId = 3;
    node.pad.x = 127000;
    node.pad.y = -254000;
    node.pad.flip = 1;
    node.pad.rotation = 2700;
    node.pad.pinDes.assign("2");
    node.component.side = 1;
    return node;
}

TEST(StandInRecords, PadNodeComesBackAsTheBindingReadsIt)
{
    dbx::abi::TItem raw{};
    ToRaw(PadNode(), raw);
    EXPECT_EQ(raw.pad.center.x, 127000);
    EXPECT_EQ(raw.pad.center.y, -254000);
    EXPECT_EQ(dbx::abi::BoundedText(raw.pad.compPin.pinDes), "2");
    EXPECT_EQ(dbx::abi::BoundedText(raw.pad.defaultPinDes), "2");

    dbx::ItemRecord back;
    dbx::abi::ToItemRecord(raw, back);
    EXPECT_EQ(back.itemType, dbx::kItemTypePad);
    EXPECT_EQ(dbx::TrimNull(back.pad.refDes.field()), "C4");
    EXPECT_EQ(back.pad.padStyleId, 3);
    EXPECT_EQ(back.pad.flip, 1);
    EXPECT_EQ(back.pad.rotation, 2700);
    EXPECT_EQ(dbx::TrimNull(back.pad.pinDes.field()), "2");
}

TEST(StandInRecords, ComponentPartIsLeftForTheLookUp)
{
    dbx::abi::TItem raw{};
    ToRaw(PadNode(), raw);
    EXPECT_FALSE(dbx::abi::ComponentPartFilled(raw));
    EXPECT_EQ(raw.component.isFlipped, 0);
}

TEST(StandInRecords, ViaAndStyleKeepTheirNumbers)
{
    dbx::ItemRecord via;
    via.itemType = dbx::kItemTypeVia;
    via.via = {.x = 5, .y = -6, .viaStyleId = 7, .rotation = 8, .flip = 1};
    dbx::abi::TItem raw{};
    ToRaw(via, raw);
    EXPECT_EQ(raw.via.center.x, 5);
    EXPECT_EQ(raw.via.center.y, -6);
    EXPECT_EQ(raw.via.viaStyleId, 7);
    EXPECT_EQ(raw.via.rotationAng, 8);
    EXPECT_EQ(raw.via.isFlipped, 1);
    EXPECT_EQ(raw.via.netId, 0);

    dbx::PadViaStyle style;
    style.name.assign("V1");
    style.holeDiameter = 30480;
    style.startLayer = 1;
    style.endLayer = 12;
    style.isHolePlated = 0;
    dbx::abi::TPadViaStyle rawStyle{};
    ToRaw(style, rawStyle);
    dbx::PadViaStyle back;
    dbx::abi::ToPadViaStyle(rawStyle, back);
    EXPECT_EQ(dbx::TrimNull(back.name.field()), "V1");
    EXPECT_EQ(back.holeDiameter, 30480);
    EXPECT_EQ(back.startLayer, 1);
    EXPECT_EQ(back.endLayer, 12);
    EXPECT_EQ(back.isHolePlated, 0);
}

} // namespace
} // namespace nodewick::design::stand_in_dll
