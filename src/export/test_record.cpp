#include "test_record.h"

#include "line_writer.h"
#include "short_text.h"

namespace nodewick::exporter {
namespace {

// Start columns of the record's items. Fields inside one item (the access code
// after "A", the Y digits of a via after "Y ") sit at their nominal columns
// only while the fields before them have their nominal widths.
constexpr int kCodeColumn = 1;         // 1-3 code, 4-16 net name
constexpr int kRefDesColumn = 21;      // 21-26
constexpr int kPinColumn = 27;         // 27 "-", 28-32 pin
constexpr int kViaDrillColumn = 32;    // 32 "M", 33-38 "D....P", 39-41 "A..", 42 "X"
constexpr int kPadDrillColumn = 33;    // 33-38 "D....P" or "D....U"
constexpr int kAccessColumn = 39;      // 39-41 "A..", 42 "X"
constexpr int kXSignColumn = 43;       // "-" only for a negative X
constexpr int kXColumn = 44;           // 44-49 X, 50 "Y"
constexpr int kYSignColumn = 51;       // pads: "-" only for a negative Y
constexpr int kPadYColumn = 52;        // 52-57 Y, 58-72 feature size of a surface pad
constexpr int kSoldermaskColumn = 73;  // 73-74
constexpr int kLayerRangeColumn = 75;  // 75-80 "L..L.."

constexpr std::size_t kRefDesWidth = 6;
constexpr std::size_t kPinWidth = 5;
constexpr std::size_t kLocationDigits = 6;
constexpr std::size_t kDrillDigits = 4;
constexpr std::size_t kSizeDigits = 4;
constexpr std::size_t kTwoDigits = 2;

constexpr std::string_view kFreePadRefDes = "ICT";
constexpr std::string_view kViaRefDes = "VIA";

std::string_view CodeText(OperationCode code) noexcept
{
    switch (code) {
    case OperationCode::ThroughHole:
        return "317";
    case OperationCode::BlindOrBuried:
        return "307";
    case OperationCode::Surface:
        return "327";
    }
    return "327";
}

std::string_view SoldermaskText(Soldermask soldermask) noexcept
{
    switch (soldermask) {
    case Soldermask::Neither:
        return "S0";
    case Soldermask::Top:
        return "S1";
    case Soldermask::Bottom:
        return "S2";
    case Soldermask::Both:
        return "S3";
    }
    return "S0";
}

std::int64_t Magnitude(std::int64_t value) noexcept
{
    return value < 0 ? -value : value;
}

// The decimal digits of a value that is never negative here, zeros in front up
// to width digits; a longer value is written whole.
ShortText<20> ZeroFilled(std::int64_t value, std::size_t width) noexcept
{
    ShortText<20> text;
    text.appendZeroFilled(static_cast<std::uint64_t>(value), width);
    return text;
}

// "R" and the degrees: at least two characters, a decimal only when there is
// one (R05, R90, R180, R45.5, R-90). Empty for no rotation.
ShortText<16> RotationText(std::int32_t tenthsOfDegree) noexcept
{
    ShortText<16> text;
    if (tenthsOfDegree == 0)
        return text;
    const std::int64_t tenths = Magnitude(tenthsOfDegree);
    ShortText<16> degrees;
    if (tenthsOfDegree < 0)
        degrees.append('-');
    degrees.appendDecimal(tenths / 10);
    if (tenths % 10 != 0)
        degrees.append('.').appendDecimal(tenths % 10);
    text.append('R');
    if (degrees.size() == 1)
        text.append('0');
    text.append(degrees.view());
    return text;
}

// "X", width, "Y", height, rotation; nothing for a drilled record.
ShortText<64> FeatureSizeText(const std::optional<FeatureSize>& size) noexcept
{
    ShortText<64> text;
    if (size)
        text.append('X')
            .append(ZeroFilled(size->width, kSizeDigits).view())
            .append('Y')
            .append(ZeroFilled(size->height, kSizeDigits).view())
            .append(RotationText(size->rotation).view());
    return text;
}

void RenderPad(const TestRecord& pad, RecordLine& line)
{
    const std::string_view refDes = pad.refDes.empty() ? kFreePadRefDes : pad.refDes.substr(0, kRefDesWidth);
    line.text(kRefDesColumn, refDes);
    line.text(kPinColumn, "-", pad.pin.substr(0, kPinWidth));
    ShortText<24> drill;
    if (pad.drill)
        drill.append('D')
            .append(ZeroFilled(pad.drill->diameter, kDrillDigits).view())
            .append(pad.drill->plated ? 'P' : 'U');
    line.text(kPadDrillColumn, drill);
    line.text(kAccessColumn, "A", ZeroFilled(pad.access, kTwoDigits), "X");
    if (pad.x < 0)
        line.text(kXSignColumn, "-");
    line.text(kXColumn, ZeroFilled(Magnitude(pad.x), kLocationDigits), "Y");
    if (pad.y < 0)
        line.text(kYSignColumn, "-");
    line.text(kPadYColumn, ZeroFilled(Magnitude(pad.y), kLocationDigits), FeatureSizeText(pad.featureSize));
    line.text(kSoldermaskColumn, SoldermaskText(pad.soldermask));
}

void RenderVia(const TestRecord& via, RecordLine& line)
{
    line.text(kRefDesColumn, kViaRefDes);
    line.text(kPinColumn, "-");
    const ShortText<20> access = ZeroFilled(via.access, kTwoDigits);
    if (via.drill)
        line.text(kViaDrillColumn, "MD", ZeroFilled(via.drill->diameter, kDrillDigits), "PA", access, "X");
    else
        line.text(kAccessColumn, "A", access, "X");
    if (via.x < 0)
        line.text(kXSignColumn, "-");
    line.text(kXColumn, ZeroFilled(Magnitude(via.x), kLocationDigits), via.y < 0 ? "Y-" : "Y ",
              ZeroFilled(Magnitude(via.y), kLocationDigits), FeatureSizeText(via.featureSize));
    line.text(kSoldermaskColumn, SoldermaskText(via.soldermask));
    if (via.layers)
        line.text(kLayerRangeColumn, "L", ZeroFilled(via.layers->start, kTwoDigits), "L",
                  ZeroFilled(via.layers->end, kTwoDigits));
}

}  // namespace

void RenderTestRecord(const TestRecord& record, std::string& line)
{
    RecordLine items(line);
    items.text(kCodeColumn, CodeText(record.code), record.netName);
    if (record.kind == RecordKind::Pad)
        RenderPad(record, items);
    else
        RenderVia(record, items);
}

}  // namespace nodewick::exporter
