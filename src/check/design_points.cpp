#include "design_points.h"

#include "base/units.h"
#include "dbx/records.h"
#include "dbx/trim_null.h"

namespace nodewick::check {
namespace {

// A via hole under ten output units (one drill digit) is no real hole.
constexpr std::int64_t kSmallestViaDrill = 10;

bool SpansTopToBottom(std::int32_t startLayer, std::int32_t endLayer) noexcept
{
    return startLayer == dbx::kTopLayerId && endLayer == dbx::kBottomLayerId;
}

std::int32_t CountListedLayers(dbx::Dbx& dbx, dbx::DbxContext& context)
{
    std::int32_t count = 0;
    dbx::LayerRecord layer;
    for (dbx::DbxStatus status = dbx.TGetFirstLayer(context, layer); status == dbx::status::kSuccess;
         status = dbx.TGetNextLayer(context, layer))
        if (layer.layerType == static_cast<std::int32_t>(dbx::LayerType::Signal) ||
            layer.layerType == static_cast<std::int32_t>(dbx::LayerType::Plane))
            ++count;
    return count;
}

std::optional<std::string> TieOf(dbx::Dbx& dbx, dbx::DbxContext& context, std::int32_t netId)
{
    dbx::AttrRecord attribute;
    if (dbx.TGetFirstNetAttribute(context, netId, attribute) != dbx::status::kSuccess ||
        dbx::TrimNull(attribute.name.field()) != "TieNet")
        return std::nullopt;
    return dbx::TrimNull(attribute.value.field());
}

class PointReader {
public:
    PointReader(dbx::Dbx& dbx, dbx::DbxContext& context, NetlistUnits units)
        : dbx_(dbx), context_(context), divisor_(DatabaseUnitsPerNetlistUnit(units))
    {
    }

    void readPads(std::uint32_t net, std::int32_t netId, std::vector<DesignPoint>& points)
    {
        dbx::ItemRecord node;
        for (dbx::DbxStatus status = dbx_.TGetFirstNetNode(context_, netId, node); status == dbx::status::kSuccess;
             status = dbx_.TGetNextNetNode(context_, node)) {
            dbx::PadViaStyle style;
            dbx_.TGetPadStyle(context_, node.pad.padStyleId, style);
            DesignPoint point{.kind = PointKind::Pad,
                              .net = net,
                              .refDes = dbx::TrimNull(node.pad.refDes.field()),
                              .pin = dbx::TrimNull(node.pad.pinDes.field()),
                              .x = node.pad.x,
                              .y = node.pad.y};
            point.drilled = DivideRoundHalfEven(style.holeDiameter, divisor_) != 0;
            point.side = PadSide(point.drilled, style.startLayer, style.endLayer, node.pad.flip);
            points.push_back(std::move(point));
        }
    }

    void readVias(std::uint32_t net, std::int32_t netId, std::vector<DesignPoint>& points)
    {
        dbx::ItemRecord item;
        for (dbx::DbxStatus status = dbx_.TGetFirstNetItem(context_, netId, item); status == dbx::status::kSuccess;
             status = dbx_.TGetNextNetItem(context_, item)) {
            if (item.itemType != dbx::kItemTypeVia)
                continue;
            dbx::PadViaStyle style;
            dbx_.TGetViaStyle(context_, item.via.viaStyleId, style);
            DesignPoint point{.kind = PointKind::Via, .net = net, .x = item.via.x, .y = item.via.y};
            point.drilled = DivideRoundHalfEven(style.holeDiameter, divisor_) >= kSmallestViaDrill;
            point.side = ViaSide(point.drilled, style.startLayer, style.endLayer, item.via.flip);
            points.push_back(std::move(point));
        }
    }

private:
    dbx::Dbx& dbx_;
    dbx::DbxContext& context_;
    std::int32_t divisor_;
};

}  // namespace

Side PadSide(bool drilled, std::int32_t startLayer, std::int32_t endLayer, std::int32_t flip) noexcept
{
    if (drilled && SpansTopToBottom(startLayer, endLayer))
        return Side::Both;
    return flip == 1 ? Side::Bottom : Side::Top;
}

Side ViaSide(bool drilled, std::int32_t startLayer, std::int32_t endLayer, std::int32_t flip) noexcept
{
    if (!drilled)
        return flip == 1 ? Side::Bottom : Side::Top;
    if (SpansTopToBottom(startLayer, endLayer))
        return Side::Both;
    if (startLayer == dbx::kTopLayerId)
        return Side::Top;
    return endLayer == dbx::kBottomLayerId ? Side::Bottom : Side::Inner;
}

DesignPoints ReadDesignPoints(dbx::Dbx& dbx, dbx::DbxContext& context, NetlistUnits units)
{
    DesignPoints design;
    design.listedLayers = CountListedLayers(dbx, context);
    PointReader reader(dbx, context, units);
    dbx::NetRecord net;
    for (dbx::DbxStatus status = dbx.TGetFirstNet(context, net); status == dbx::status::kSuccess;
         status = dbx.TGetNextNet(context, net)) {
        const auto index = static_cast<std::uint32_t>(design.nets.size());
        design.nets.push_back({net.netId, dbx::TrimNull(net.netName.field()), TieOf(dbx, context, net.netId)});
        reader.readPads(index, net.netId, design.points);
        reader.readVias(index, net.netId, design.points);
    }
    return design;
}

}  // namespace nodewick::check
