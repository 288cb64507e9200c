#pragma once

#include <string>
#include <string_view>

#include "record_format.h"

// The IPC-D-356A test records, one line per pad or via, laid out column by
// column. Columns count from 1:
//   1-3 operation code, 4-16 net name, 21-26 reference designator (or ICT, or
//   VIA), 27 "-", 28-32 pin, 32 mid-point mark M (drilled vias), 33-38 drill
//   "D....P", 39-41 access "A..", 42 "X", 43 X sign, 44-49 X, 50 "Y", 51 Y sign,
//   52-57 Y, 58-72 feature size and rotation (surface records), 73-74
//   soldermask, 75-80 layer range (blind and buried vias).
namespace nodewick::exporter {

struct PadRecordFields {
    std::string_view netName;
    std::string_view refDes;       // at most 6 characters; "ICT" for a free pad
    std::string_view pin;          // at most 5 characters
    std::string_view drill;        // PadDrillText: empty for a surface pad
    std::string_view access;       // TwoDigitText of the access number
    const LocationText& x;
    const LocationText& y;
    std::string_view featureSize;  // FeatureSizeText; empty for a drilled pad
    char soldermask = '1';         // '1' top, '2' bottom, '3' both sides
};

// "317" for a drilled pad, "327" for a surface pad.
void WritePadRecord(std::string& out, const PadRecordFields& pad);

enum class ViaKind {
    Through,        // "317": drilled from layer 1 to layer 2
    BlindOrBuried,  // "307": drilled over any other span, with its layer range
    Surface,        // "327": no hole to speak of
};

struct ViaRecordFields {
    ViaKind kind = ViaKind::Through;
    std::string_view netName;
    std::string_view drillDigits;    // ViaDrillDigits; not written for a surface via
    std::string_view access;         // TwoDigitText of the access number
    const LocationText& x;
    const LocationText& y;
    std::string_view featureSize;    // surface vias only
    std::string_view soldermask;     // "S0" when drilled, "S1" or "S2" on a surface
    std::string_view startPosition;  // blind and buried vias only: TwoDigitText
    std::string_view endPosition;
};

void WriteViaRecord(std::string& out, const ViaRecordFields& via);

// The feature size of a surface record: "X", width, "Y", height, rotation.
ShortText<48> FeatureSizeText(std::string_view width, std::string_view height, std::string_view rotation) noexcept;

} // namespace nodewick::exporter
