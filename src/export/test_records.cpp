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
    WriteRecord(out, {
        TextItem(1, code, pad.netName),
        TextItem(21, pad.refDes),
        TextItem(27, "-", pad.pin),
        TextItem(33, pad.drill),
        TextItem(39, "A", pad.access, "X"),
        TextItemIf(pad.x.negative(), kXSignColumn, "-"),
        TextItem(44, pad.x.digits, "Y"),
        TextItemIf(pad.y.negative(), kYSignColumn, "-"),
        TextItem(52, pad.y.digits, pad.featureSize),
        TextItem(73, std::string_view(soldermask, 2)),
    });
}

void WriteViaRecord(std::string& out, const ViaRecordFields& via)
{
    const std::string_view code = ViaCode(via.kind);
    const std::string_view yLeadIn = via.y.negative() ? "Y-" : "Y ";
    if (via.kind == ViaKind::Surface) {
        WriteRecord(out, {
            TextItem(1, code, via.netName),
            TextItem(21, "VIA"),
            TextItem(27, "-"),
            TextItem(39, "A", via.access, "X"),
            TextItemIf(via.x.negative(), kXSignColumn, "-"),
            TextItem(44, via.x.digits, yLeadIn, via.y.digits, via.featureSize),
            TextItem(73, via.soldermask),
        });
        return;
    }
    const bool blindOrBuried = via.kind == ViaKind::BlindOrBuried;
    WriteRecord(out, {
        TextItem(1, code, via.netName),
        TextItem(21, "VIA"),
        TextItem(27, "-"),
        TextItem(32, "MD", via.drillDigits, "PA", via.access, "X"),
        TextItemIf(via.x.negative(), kXSignColumn, "-"),
        TextItem(44, via.x.digits, yLeadIn, via.y.digits),
        TextItem(73, via.soldermask),
        TextItemIf(blindOrBuried, 75, "L", via.startPosition, "L", via.endPosition),
    });
}

ShortText<48> FeatureSizeText(std::string_view width, std::string_view height, std::string_view rotation) noexcept
{
    ShortText<48> text;
    text.append('X').append(width).append('Y').append(height).append(rotation);
    return text;
}

} // namespace nodewick::exporter
