#include "pad_records.h"

#include <optional>

#include "dbx/status_text.h"
#include "dbx/trim_null.h"
#include "output_units.h"
#include "plain_text.h"
#include "short_text.h"

namespace nodewick::exporter {
namespace {

std::string PadName(std::string_view refDes, std::string_view pin)
{
    if (refDes.empty())
        return "free pad" + (pin.empty() ? std::string() : " pin " + Printable(pin));
    return "pad " + Printable(refDes) + "-" + Printable(pin);
}

// The layer seen from the other side of the board; only the outer copper
// layers have one.
std::optional<std::int32_t> MirroredLayer(std::int32_t layerId)
{
    if (layerId == dbx::kTopLayerId)
        return dbx::kBottomLayerId;
    if (layerId == dbx::kBottomLayerId)
        return dbx::kTopLayerId;
    return std::nullopt;
}

enum class Side { Top, Bottom };

// Where the probe reaches a pad: the access code and the soldermask opening.
struct Reach {
    std::int64_t access = 1;
    Soldermask soldermask = Soldermask::Top;
};

class PadWriter {
public:
    PadWriter(RecordContext& records, const CurrentNet& net, const dbx::ItemRecord& node)
        : records_(records),
          net_(net),
          node_(node),
          refDes_(dbx::TrimNullView(node.pad.refDes.field())),
          pin_(dbx::TrimNullView(node.pad.pinDes.field()))
    {
    }

    // False when the pad's style cannot be read: the pad is left out, with a
    // warning, rather than written with another pad's hole. Throws ExportError
    // for a designator that would break the line, or a location that does not
    // fit its field.
    bool write()
    {
        RequirePlainText(refDes_, [this] { return where() + ": the reference designator"; });
        RequirePlainText(pin_, [this] { return where() + ": the pin designator"; });
        dbx::PadViaStyle style;
        if (const dbx::DbxStatus status = records_.dbx.TGetPadStyle(records_.context, node_.pad.padStyleId, style);
            status != dbx::status::kSuccess) {
            warn("pad style " + std::to_string(node_.pad.padStyleId) + " cannot be read (" + dbx::StatusText(status) +
                 "); no test record written");
            return false;
        }
        const std::int64_t drill = DivideRoundHalfEven(style.holeDiameter, records_.unitDivisor);
        TestRecord record{.kind = RecordKind::Pad, .netName = net_.recordName, .refDes = refDes_, .pin = pin_};
        Reach reach;
        if (drill == 0) {
            const SurfaceCopper copper = surfaceCopper();
            record.code = OperationCode::Surface;
            record.featureSize = copper.size;
            reach = From(copper.side);
        } else {
            const bool plated = style.isHolePlated != 0;
            record.code = OperationCode::ThroughHole;
            record.drill = Drill{.diameter = drill, .plated = plated};
            reach = plated ? platedHoleReach(style) : unplatedHoleReach(style);
        }
        record.access = reach.access;
        record.soldermask = reach.soldermask;
        auto describe = [this] { return where(); };
        record.x = CheckedLocation(records_, node_.pad.x, records_.offsetX, 'X', describe);
        record.y = CheckedLocation(records_, node_.pad.y, records_.offsetY, 'Y', describe);
        records_.write(record);
        return true;
    }

private:
    struct SurfaceCopper {
        FeatureSize size;
        Side side = Side::Top;
    };

    Reach From(Side side) const
    {
        if (side == Side::Bottom)
            return Reach{.access = records_.layers.count(), .soldermask = Soldermask::Bottom};
        return Reach{.access = 1, .soldermask = Soldermask::Top};
    }

    // The side the pad's own flip puts it on.
    Side flipSide() const { return node_.pad.flip == 1 ? Side::Bottom : Side::Top; }

    // The side copper that the style draws on an outer layer ends up on: a
    // flipped pad turns its style over, so the style's layer 1 lies on the
    // bottom.
    Side copperSide(std::int32_t layerId) const
    {
        const bool onTop = layerId == dbx::kTopLayerId;
        return onTop != (node_.pad.flip == 1) ? Side::Top : Side::Bottom;
    }

    // A plated hole through the whole board is reached from both sides;
    // otherwise the pad's own side decides.
    Reach platedHoleReach(const dbx::PadViaStyle& style) const
    {
        if (style.startLayer == dbx::kTopLayerId && style.endLayer == dbx::kBottomLayerId)
            return Reach{.access = 0, .soldermask = Soldermask::Both};
        return From(flipSide());
    }

    // An unplated hole joins nothing from one side to the other: the pad is
    // reached where its copper is. With copper on both outer layers it counts
    // as reached from both; with none, as a plated hole would be.
    Reach unplatedHoleReach(const dbx::PadViaStyle& style)
    {
        const bool top = shapeOn(dbx::kTopLayerId).has_value();
        const bool bottom = shapeOn(dbx::kBottomLayerId).has_value();
        if (top && bottom)
            return Reach{.access = 0, .soldermask = Soldermask::Both};
        if (top || bottom)
            return From(copperSide(top ? dbx::kTopLayerId : dbx::kBottomLayerId));
        return platedHoleReach(style);
    }

    // The copper of a surface pad is asked on the layer of its component's
    // side first. A style without copper there may have it on the other outer
    // layer: a part on the bottom whose style is drawn from the top, or a
    // card-edge finger drawn on the far side of its part. The pad then takes
    // that layer's shape and lies on the side that copper ends up on.
    SurfaceCopper surfaceCopper()
    {
        const std::int32_t layer = static_cast<std::int32_t>(std::int64_t{node_.component.side} + 1);
        Side side = flipSide();
        std::optional<dbx::ShapeRecord> shape = shapeOn(layer);
        const std::optional<std::int32_t> mirrored = MirroredLayer(layer);
        if (!shape && mirrored) {
            shape = shapeOn(*mirrored);
            if (shape)
                side = copperSide(*mirrored);
        }
        if (!shape) {
            warn("pad style " + std::to_string(node_.pad.padStyleId) + " has no copper on layer " +
                 std::to_string(layer) + (mirrored ? " nor on the mirrored layer" : "") + "; written with size 0");
            shape = dbx::ShapeRecord{};
        }
        return SurfaceCopper{.size = FeatureSize{.width = size(shape->width, "width"),
                                                 .height = size(shape->height, "height"),
                                                 .rotation = node_.pad.rotation},
                             .side = side};
    }

    // The shape on one layer, when the query succeeds with any copper.
    std::optional<dbx::ShapeRecord> shapeOn(std::int32_t layerId)
    {
        dbx::ShapeRecord shape;
        const dbx::DbxStatus status = records_.dbx.TGetPadShapeByLayer(records_.context, node_.pad.padStyleId, layerId,
                                                                       shape);
        if (status != dbx::status::kSuccess || (shape.width == 0 && shape.height == 0))
            return std::nullopt;
        return shape;
    }

    // Whole output units, limited to what the four-digit field holds; a
    // limited size is told to the user.
    std::int64_t size(std::int32_t databaseUnits, const char* what)
    {
        const std::int64_t units = TruncatedOutputUnits(databaseUnits, records_.unitDivisor);
        const std::int64_t written = units < 0 ? 0 : units > kLargestPadSize ? kLargestPadSize : units;
        if (written != units) {
            ShortText<8> digits;
            digits.appendZeroFilled(static_cast<std::uint64_t>(written), 4);
            warn(std::string("the ") + what + " " + std::to_string(units) + " " +
                 std::string(OutputUnitText(records_.units)) + " does not fit the four-digit size field; written as " +
                 std::string(digits.view()));
        }
        return written;
    }

    std::string where() const { return "Net " + std::string(net_.fullName) + ", " + PadName(refDes_, pin_); }

    void warn(const std::string& what) { records_.warnings.add(where() + ": " + what); }

    RecordContext& records_;
    const CurrentNet& net_;
    const dbx::ItemRecord& node_;
    std::string_view refDes_;  // both in node_
    std::string_view pin_;
};

}  // namespace

std::int64_t padsxy(RecordContext& records, const CurrentNet& net, dbx::ItemRecord& node, dbx::DbxStatus status)
{
    std::int64_t written = 0;
    // Any status other than 0 ends the walk, a negative one included.
    for (; status == dbx::status::kSuccess; status = records.dbx.TGetNextNetNode(records.context, node)) {
        if (PadWriter(records, net, node).write())
            ++written;
    }
    return written;
}

}  // namespace nodewick::exporter
