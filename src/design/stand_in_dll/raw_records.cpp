#include "raw_records.h"

#include <cstring>

namespace nodewick::design::stand_in_dll {
namespace {

template <std::size_t N>
void CopyField(const dbx::FixedText<N>& from, char (&to)[N]) noexcept
{
    std::memcpy(to, from.field().data(), N);
}

}  // namespace

void ToRaw(const dbx::DesignInfo& from, dbx::abi::TDesign& to) noexcept
{
    CopyField(from.designFile, to.designName);
    CopyField(from.title, to.title);
    CopyField(from.engineer, to.designer);
    CopyField(from.revision, to.version);
    CopyField(from.drawingNumber, to.drawingNumber);
}

void ToRaw(const dbx::LayerRecord& from, dbx::abi::TLayer& to) noexcept
{
    to.layerId = from.layerId;
    CopyField(from.layerName, to.layerName);
    to.layerType = from.layerType;
    to.isEnabled = 1;
}

void ToRaw(const dbx::NetRecord& from, dbx::abi::TNet& to) noexcept
{
    to.netId = from.netId;
    CopyField(from.netName, to.netName);
    to.nodeCount = from.nodeCount;
}

void ToRaw(const dbx::ComponentRecord& from, dbx::abi::TComponent& to) noexcept
{
    CopyField(from.refDes, to.refDes);
    to.numberPads = from.padCount;
    to.isFlipped = from.side;
}

void ToRaw(const dbx::AttrRecord& from, dbx::abi::TAttribute& to) noexcept
{
    CopyField(from.name, to.type);
    CopyField(from.value, to.value);
}

void ToRaw(const dbx::PadViaStyle& from, dbx::abi::TPadViaStyle& to) noexcept
{
    CopyField(from.name, to.name);
    to.holeDia = from.holeDiameter;
    to.isHolePlated = from.isHolePlated;
    to.holeStartLayer = from.startLayer;
    to.holeEndLayer = from.endLayer;
}

void ToRaw(const dbx::ShapeRecord& from, dbx::abi::TPadViaShape& to) noexcept
{
    to.width = from.width;
    to.height = from.height;
}

void ToRaw(const dbx::ItemRecord& from, dbx::abi::TItem& to) noexcept
{
    to.itemType = from.itemType;
    dbx::abi::TPad& pad = to.pad;
    CopyField(from.pad.refDes, pad.compRefDes);
    pad.padStyleId = from.pad.padStyleId;
    pad.center = {from.pad.x, from.pad.y};
    pad.isFlipped = from.pad.flip;
    pad.rotationAng = from.pad.rotation;
    CopyField(from.pad.pinDes, pad.compPin.pinDes);
    CopyField(from.pad.pinDes, pad.defaultPinDes);
    dbx::abi::TVia& via = to.via;
    via.center = {from.via.x, from.via.y};
    via.viaStyleId = from.via.viaStyleId;
    via.rotationAng = from.via.rotation;
    via.isFlipped = from.via.flip;
}

}  // namespace nodewick::design::stand_in_dll
