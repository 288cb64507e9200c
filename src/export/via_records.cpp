#include "via_records.h"

#include <optional>

#include "dbx/status_text.h"
#include "output_units.h"

namespace nodewick::exporter {
namespace {

// Which outer side a surface via is probed from.
enum class Side { Top, Bottom };

class ViaWriter {
public:
    ViaWriter(RecordContext& records, const CurrentNet& net, const dbx::ItemRecord::Via& via, std::int64_t number)
        : records_(records), net_(net), via_(via), number_(number)
    {
    }

    // False when the via's style cannot be read: the via is left out, with a
    // warning, rather than written with another via's hole.
    bool write()
    {
        auto describe = [this] { return where(); };
        const std::int64_t x = CheckedLocation(records_, via_.x, records_.offsetX, 'X', describe);
        const std::int64_t y = CheckedLocation(records_, via_.y, records_.offsetY, 'Y', describe);
        dbx::PadViaStyle style;
        if (const dbx::DbxStatus status = records_.dbx.TGetViaStyle(records_.context, via_.viaStyleId, style);
            status != dbx::status::kSuccess) {
            warn("its style cannot be read (" + dbx::StatusText(status) + "); no test record written");
            return false;
        }
        TestRecord record{.kind = RecordKind::Via, .netName = net_.recordName, .x = x, .y = y};
        // A drill of a single digit in output units is no real hole.
        const std::int64_t drill = DivideRoundHalfEven(style.holeDiameter, records_.unitDivisor);
        if (drill >= 0 && drill <= 9)
            fillSurface(record);
        else if (style.startLayer == dbx::kTopLayerId && style.endLayer == dbx::kBottomLayerId)
            fillThrough(record, drill);
        else
            fillBlindOrBuried(record, drill, style);
        records_.write(record);
        return true;
    }

private:
    static void fillThrough(TestRecord& record, std::int64_t drill)
    {
        record.code = OperationCode::ThroughHole;
        record.drill = Drill{.diameter = drill, .plated = true};
        record.access = 0;
        record.soldermask = Soldermask::Neither;
    }

    // The access code is the side the hole opens on: 01 from the top, the
    // bottom layer's position from the bottom, else the start layer's position.
    void fillBlindOrBuried(TestRecord& record, std::int64_t drill, const dbx::PadViaStyle& style)
    {
        const std::int64_t start = position(style.startLayer, "start");
        const std::int64_t end = position(style.endLayer, "end");
        std::int64_t access = start;
        if (style.startLayer == dbx::kTopLayerId)
            access = 1;
        else if (style.endLayer == dbx::kBottomLayerId)
            access = records_.layers.count();
        record.code = OperationCode::BlindOrBuried;
        record.drill = Drill{.diameter = drill, .plated = true};
        record.access = access;
        record.soldermask = Soldermask::Neither;
        record.layers = LayerRange{.start = start, .end = end};
    }

    void fillSurface(TestRecord& record)
    {
        // Either outer layer with copper puts the via on the side its flip
        // says; a via without copper on either takes that side as well.
        dbx::ShapeRecord shape;
        const bool onTop = queryShape(dbx::kTopLayerId, shape);
        const bool onBottom = queryShape(dbx::kBottomLayerId, shape);
        Side side = via_.flip == 1 ? Side::Bottom : Side::Top;
        if (via_.flip != 0 && via_.flip != 1 && (onTop || onBottom))
            side = onBottom ? Side::Bottom : Side::Top;
        if (shape.width == 0 && shape.height == 0)
            warn("its style has no copper on layer 1 or 2; written with size 0");
        record.code = OperationCode::Surface;
        record.access = side == Side::Bottom ? records_.layers.count() : 1;
        record.featureSize = FeatureSize{
            .width = size(shape.width, "width"), .height = size(shape.height, "height"), .rotation = via_.rotation};
        record.soldermask = side == Side::Bottom ? Soldermask::Bottom : Soldermask::Top;
    }

    // Asks the shape on one layer. The shape written is the last one found,
    // the bottom layer's when both have one. True when that layer has copper
    // across (a width other than 0).
    bool queryShape(std::int32_t layerId, dbx::ShapeRecord& shape)
    {
        dbx::ShapeRecord found;
        if (records_.dbx.TGetViaShapeByLayer(records_.context, via_.viaStyleId, layerId, found) !=
            dbx::status::kSuccess)
            return false;
        shape = found;
        return found.width != 0;
    }

    // The layer's position in the layer list; 0 when the list has no entry
    // for it, which the user is told about.
    std::int64_t position(std::int32_t layerId, const char* which)
    {
        if (const std::optional<std::int64_t> found = records_.layers.of(layerId))
            return *found;
        warn(std::string("its ") + which + " layer id " + std::to_string(layerId) +
             " has no entry in the layer list; position 00 written");
        return 0;
    }

    // Whole output units; a negative size is written as 0, and told.
    std::int64_t size(std::int32_t databaseUnits, const char* what)
    {
        const std::int64_t units = TruncatedOutputUnits(databaseUnits, records_.unitDivisor);
        if (units >= 0)
            return units;
        warn(std::string("its ") + what + " is negative; written as 0000");
        return 0;
    }

    std::string where() const
    {
        return "Net " + std::string(net_.fullName) + ", via " + std::to_string(number_) + " (via style " +
            std::to_string(via_.viaStyleId) + ")";
    }

    void warn(const std::string& what) { records_.warnings.add(where() + ": " + what); }

    RecordContext& records_;
    const CurrentNet& net_;
    const dbx::ItemRecord::Via& via_;
    std::int64_t number_;
};

}  // namespace

std::int64_t viasxy(RecordContext& records, const CurrentNet& net)
{
    std::int64_t vias = 0;
    std::int64_t written = 0;
    dbx::ItemRecord item;
    for (dbx::DbxStatus status = records.dbx.TGetFirstNetItem(records.context, net.id, item);
         status == dbx::status::kSuccess; status = records.dbx.TGetNextNetItem(records.context, item)) {
        if (item.itemType != dbx::kItemTypeVia)
            continue;
        if (ViaWriter(records, net, item.via, ++vias).write())
            ++written;
    }
    return written;
}

}  // namespace nodewick::exporter
