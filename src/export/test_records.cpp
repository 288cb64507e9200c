#include "test_records.h"

#include "record_writer.h"

namespace nodewick::exporter {
namespace {

// A negative location carries its sign in the column just before its digits;
// for a positive one that column stays blank.
constexpr int kXSignColumn = 43;
constexpr int kYSignColumn = 51;

std::string_view ViaCode(ViaKind kind)
{
    switch (kind) {
    case ViaKind::Through:
        return "317";
    case ViaKind::BlindOrBuried:
        return "307";
    case ViaKind::Surface:
        return "327";
    }
    return "327";
}

} // namespace

void WritePadRecord(std::string& out, const PadRecordFields& pad)
{
    const std::string_view code = pad.drill.empty() ? "327" : "317";
    const char soldermask[] = {'S', pad.soldermask};
    RecordLine line(out);
    line.text(1, code, pad.netName);
    line.text(21, pad.refDes);
    line.text(27, "-", pad.pin);
    line.text(33, pad.drill);
    line.text(39, "A", pad.access, "X");
    if (pad.x.negative())
        line.text(kXSignColumn, "-");
    line.text(44, pad.x.digits, "Y");
    if (pad.y.negative())
        line.text(kYSignColumn, "-");
    line.text(52, pad.y.digits, pad.featureSize);
    line.text(73, std::string_view(soldermask, 2));
    line.end();
}

void WriteViaRecord(std::string& out, const ViaRecordFields& via)
{
    const std::string_view yLeadIn = via.y.negative() ? "Y-" : "Y ";
    const bool surface = via.kind == ViaKind::Surface;
    RecordLine line(out);
    line.text(1, ViaCode(via.kind), via.netName);
    line.text(21, "VIA");
    line.text(27, "-");
    if (surface)
        line.text(39, "A", via.access, "X");
    else
        line.text(32, "MD", via.drillDigits, "PA", via.access, "X");
    if (via.x.negative())
        line.text(kXSignColumn, "-");
    line.text(44, via.x.digits, yLeadIn, via.y.digits, surface ? via.featureSize : std::string_view());
    line.text(73, via.soldermask);
    if (via.kind == ViaKind::BlindOrBuried)
        line.text(75, "L", via.startPosition, "L", via.endPosition);
    line.end();
}

ShortText<48> FeatureSizeText(std::string_view width, std::string_view height, std::string_view rotation) noexcept
{
    ShortText<48> text;
    text.append('X').append(width).append('Y').append(height).append(rotation);
    return text;
}

} // namespace nodewick::exporter
