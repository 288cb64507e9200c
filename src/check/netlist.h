#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finding.h"

// An IPC-D-356 or IPC-D-356A netlist as the checker reads it: its test
// records with their fields, the net names behind the aliases, and the units
// its coordinates are in.
namespace nodewick::check {

// The length unit of the coordinates, drills and sizes of a netlist.
enum class NetlistUnits {
    Inch,        // "CUST", "CUST 0": 0.0001 inch
    Millimetre,  // "CUST 1", "SI": 0.001 mm
};

// Database units (0.01 micrometre) per unit of the netlist's coordinates.
constexpr std::int32_t DatabaseUnitsPerNetlistUnit(NetlistUnits units) noexcept
{
    return units == NetlistUnits::Inch ? 254 : 100;
}

// What a test record describes, by its operation code.
enum class RecordKind {
    ThroughHole,  // 317
    Surface,      // 327
    BlindBuried,  // 307
    Tooling,      // 367: a tooling or other non-test hole
};

// Where a test point is reached from, by its access code: 00 both sides, 01
// the top (primary) side, the last layer the bottom side, others an inner
// layer no probe reaches.
enum class Side { Both, Top, Bottom, Inner };

struct Size {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// One test record. Texts are views into the netlist's text.
struct TestRecord {
    std::int64_t line = 0;
    RecordKind kind = RecordKind::ThroughHole;
    std::uint32_t net = 0;  // index into Netlist::netNames, aliases resolved
    std::string_view refDes;
    std::string_view pin;
    bool midPoint = false;
    std::optional<std::int64_t> drill;  // output units
    bool plated = true;
    std::int32_t access = 0;
    std::int64_t x = 0;  // output units, signed
    std::int64_t y = 0;
    std::optional<Size> size;
    std::optional<double> rotation;  // degrees
    std::optional<int> soldermask;
    std::optional<std::pair<int, int>> layerRange;

    bool isVia() const noexcept { return refDes == "VIA"; }
};

struct Netlist {
    // The whole file; the records' views point into it, so it stays where
    // it is when the netlist moves.
    std::unique_ptr<const std::string> text;
    std::int64_t lineCount = 0;
    std::optional<NetlistUnits> units;
    // The offset our own header states ("C Offset =  (X: 12.5mil Y: 0.0mil)"),
    // in database units; zero when the file has no such line.
    std::int64_t offsetX = 0;
    std::int64_t offsetY = 0;
    // The layer lines of our own header ("C ************Layer 1 Top   1**"):
    // the last of them is the bottom side's access code.
    std::int32_t layerLines = 0;
    std::vector<std::string> netNames;  // full names, each once
    std::vector<TestRecord> records;
    bool ended = false;  // the end record 999 was read
    Findings findings;

    NetlistUnits unitsOrInch() const noexcept { return units.value_or(NetlistUnits::Inch); }
    // The access number of the bottom side, as far as the file tells: the
    // number of its layer lines when it has them, else the highest access
    // code of any record, at least 2.
    std::int32_t bottomAccess() const noexcept;
};

Side SideOf(std::int32_t access, std::int32_t bottomAccess) noexcept;

}  // namespace nodewick::check
