#include "dbx/dbx32_records.h"

#include <cstring>

namespace nodewick::dbx::abi {
namespace {

// Every byte of the field, as DBX delivered it.
template <std::size_t N>
void CopyField(const char (&from)[N], FixedText<N>& to) noexcept
{
    std::memcpy(to.bytes().data(), from, N);
}

}  // namespace

void ToDesignInfo(const TDesign& from, DesignInfo& to) noexcept
{
    CopyField(from.designName, to.designFile);
    CopyField(from.title, to.title);
    CopyField(from.designer, to.engineer);
    CopyField(from.version, to.revision);
    CopyField(from.drawingNumber, to.drawingNumber);
}

void ToLayerRecord(const TLayer& from, LayerRecord& to) noexcept
{
    to.layerId = from.layerId;
    CopyField(from.layerName, to.layerName);
    to.layerType = from.layerType;
}

void ToNetRecord(const TNet& from, NetRecord& to) noexcept
{
    to.netId = from.netId;
    CopyField(from.netName, to.netName);
    to.nodeCount = from.nodeCount;
}

void ToComponentRecord(const TComponent& from, ComponentRecord& to) noexcept
{
    CopyField(from.refDes, to.refDes);
    to.padCount = from.numberPads;
    to.side = from.isFlipped;
}

void ToAttrRecord(const TAttribute& from, AttrRecord& to) noexcept
{
    CopyField(from.type, to.name);
    CopyField(from.value, to.value);
}

void ToPadViaStyle(const TPadViaStyle& from, PadViaStyle& to) noexcept
{
    CopyField(from.name, to.name);
    to.holeDiameter = from.holeDia;
    to.startLayer = from.holeStartLayer;
    to.endLayer = from.holeEndLayer;
    to.isHolePlated = from.isHolePlated;
}

void ToShapeRecord(const TPadViaShape& from, ShapeRecord& to) noexcept
{
    to.width = from.width;
    to.height = from.height;
}

void ToItemRecord(const TItem& from, ItemRecord& to) noexcept
{
    to.itemType = from.itemType;

    const TPad& pad = from.pad;
    CopyField(pad.compRefDes, to.pad.refDes);
    to.pad.padStyleId = pad.padStyleId;
    to.pad.x = pad.center.x;
    to.pad.y = pad.center.y;
    to.pad.flip = pad.isFlipped;
    to.pad.rotation = pad.rotationAng;
    if (BoundedText(pad.compPin.pinDes).empty())
        CopyField(pad.defaultPinDes, to.pad.pinDes);
    else
        CopyField(pad.compPin.pinDes, to.pad.pinDes);

    const TVia& via = from.via;
    to.via.x = via.center.x;
    to.via.y = via.center.y;
    to.via.viaStyleId = via.viaStyleId;
    to.via.rotation = via.rotationAng;
    to.via.flip = via.isFlipped;
}

bool ComponentPartFilled(const TItem& item) noexcept
{
    const std::string_view padComponent = BoundedText(item.pad.compRefDes);
    return !padComponent.empty() && BoundedText(item.component.refDes) == padComponent;
}

}  // namespace nodewick::dbx::abi
