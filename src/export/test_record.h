#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An IPC-D-356A test record, one line per pad or via, as a value: the fields
// hold numbers in output units (see output_units.h) and plain texts, and one
// function lays them out column by column.
namespace nodewick::exporter {

enum class RecordKind { Pad, Via };

enum class OperationCode {
    ThroughHole,    // "317": a drilled pad, or a via drilled from layer 1 to layer 2
    BlindOrBuried,  // "307": a via drilled over any other span, with its layer range
    Surface,        // "327": a pad or via without a hole
};

// Which outer side the soldermask leaves open for the probe.
enum class Soldermask {
    Neither,  // "S0": a drilled via
    Top,      // "S1"
    Bottom,   // "S2"
    Both,     // "S3": a drilled pad reached from both sides
};

struct Drill {
    std::int64_t diameter = 0;  // output units
    bool plated = true;         // "P" after the digits, else "U"
};

struct FeatureSize {
    std::int64_t width = 0;  // whole output units, never negative
    std::int64_t height = 0;
    std::int32_t rotation = 0;  // tenths of a degree
};

// LayerPosition values of the first and last layer of a blind or buried via.
struct LayerRange {
    std::int64_t start = 0;
    std::int64_t end = 0;
};

struct TestRecord {
    RecordKind kind = RecordKind::Pad;
    OperationCode code = OperationCode::Surface;
    std::string_view netName;    // at most 13 characters: the run aliases longer names
    std::string_view refDes;     // pads: cut to 6 characters; a free pad's empty one is written ICT
    std::string_view pin;        // pads: cut to 5 characters
    std::optional<Drill> drill;  // ThroughHole and BlindOrBuried records
    std::int64_t access = 1;     // 0 both sides, 1 top, the layer count bottom, or a layer position
    std::int64_t x = 0;          // output units, offset included; see kLargestLocation
    std::int64_t y = 0;
    std::optional<FeatureSize> featureSize;  // Surface records
    Soldermask soldermask = Soldermask::Top;
    std::optional<LayerRange> layers;  // BlindOrBuried records
};

// The magnitude of a location must fit the six digits of its field.
inline constexpr std::int64_t kLargestLocation = 999999;
// The feature size of a surface pad has four digits.
inline constexpr std::int64_t kLargestPadSize = 9999;

// Lays the record out as one line of the netlist, without its line end, into
// `line` (replacing what it held).
void RenderTestRecord(const TestRecord& record, std::string& line);

}  // namespace nodewick::exporter
