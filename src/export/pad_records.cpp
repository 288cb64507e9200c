#include "pad_records.h"

#include <optional>

#include "dbx/status_text.h"
#include "dbx/trim_null.h"
#include "output_units.h"
#include "short_text.h"

namespace nodewick::exporter {
namespace {

std::string PadName(std::string_view refDes, std::string_view pin)
{
    if (refDes.empty())
        return "free pad" + (pin.empty() ? std::string() : " pin " + std::string(pin));
    return "pad " + std::string(refDes) + "-" + std::string(pin);
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

class PadWriter {
public:
    PadWriter(RecordContext& records, const CurrentNet& net, const dbx::ItemRecord& node)
        : records_(records), net_(net), node_(node), refDes_(dbx::TrimNullView(node.pad.refDes.field())),
          pin_(dbx::TrimNullView(node.pad.pinDes.field()))
    {
    }

    // False when the pad's style cannot be read: the pad is left out, with a
    // warning, rather than written with another pad's hole.
    bool write()
    {
        dbx::PadViaStyle style;
        if (const dbx::DbxStatus status = records_.dbx.TGetPadStyle(records_.context, node_.pad.padStyleId, style);
            status != dbx::status::kSuccess) {
            warn("pad style " + std::to_string(node_.pad.padStyleId) + " cannot be read (" + dbx::StatusText(status) +
                 "); no test record written");
            return false;
        }
        const std::int64_t drill = DivideRoundHalfEven(style.holeDiameter, records_.unitDivisor);
        const bool drilled = drill != 0;
        const std::optional<FeatureSize> featureSize =
            drilled ? std::nullopt : std::optional<FeatureSize>(surfaceFeatureSize());

        // A drilled pad through the whole board is reached from both sides;
        // otherwise the pad's own side decides.
        const bool bottom = node_.pad.flip == 1;
        std::int64_t access = bottom ? records_.layers.count() : 1;
        Soldermask soldermask = bottom ? Soldermask::Bottom : Soldermask::Top;
        if (style.startLayer == dbx::kTopLayerId && style.endLayer == dbx::kBottomLayerId && drilled) {
            access = 0;
            soldermask = Soldermask::Both;
        }

        auto describe = [this] { return where(); };
        records_.write(TestRecord{
            .kind = RecordKind::Pad,
            .code = drilled ? OperationCode::ThroughHole : OperationCode::Surface,
            .netName = net_.recordName,
            .refDes = refDes_,
            .pin = pin_,
            .drill = drilled ? std::optional<Drill>(Drill{.diameter = drill, .plated = true}) : std::nullopt,
            .access = access,
            .x = CheckedLocation(records_, node_.pad.x, records_.offsetX, 'X', describe),
            .y = CheckedLocation(records_, node_.pad.y, records_.offsetY, 'Y', describe),
            .featureSize = featureSize,
            .soldermask = soldermask,
            .layers = std::nullopt,
        });
        return true;
    }

private:
    // Pad styles are drawn from the top: a surface pad of a part on the bottom
    // side may have its copper on layer 1 only. When the pad's own side gives
    // no shape, the mirrored layer is asked once more.
    FeatureSize surfaceFeatureSize()
    {
        const std::int32_t layer = static_cast<std::int32_t>(std::int64_t{node_.component.side} + 1);
        std::optional<dbx::ShapeRecord> shape = shapeOn(layer);
        if (!shape) {
            if (const std::optional<std::int32_t> mirrored = MirroredLayer(layer))
                shape = shapeOn(*mirrored);
        }
        if (!shape) {
            warn("pad style " + std::to_string(node_.pad.padStyleId) + " has no copper on layer " +
                 std::to_string(layer) + (MirroredLayer(layer) ? " nor on the mirrored layer" : "") +
                 "; written with size 0");
            shape = dbx::ShapeRecord{};
        }
        return FeatureSize{.width = size(shape->width, "width"), .height = size(shape->height, "height"),
                           .rotation = node_.pad.rotation};
    }

    // The shape on one layer, when the query succeeds with any copper.
    std::optional<dbx::ShapeRecord> shapeOn(std::int32_t layerId)
    {
        dbx::ShapeRecord shape;
        const dbx::DbxStatus status =
            records_.dbx.TGetPadShapeByLayer(records_.context, node_.pad.padStyleId, layerId, shape);
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

} // namespace

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

} // namespace nodewick::exporter
