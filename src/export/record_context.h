#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/error.h"
#include "base/units.h"
#include "dbx/dbx.h"
#include "export_run.h"
#include "layer_positions.h"
#include "line_sink.h"
#include "test_record.h"
#include "warnings.h"

// What the pad and via writers share within one export run.
namespace nodewick::exporter {

struct RecordContext {
    dbx::Dbx& dbx;
    dbx::DbxContext& context;
    Units units;
    std::int32_t unitDivisor = 254;
    std::int32_t offsetX = 0;  // database units, added to every X
    std::int32_t offsetY = 0;
    const LayerPositions& layers;
    LineSink& sink;
    Warnings& warnings;
    std::string line{};  // reused for every record

    void write(const TestRecord& record)
    {
        RenderTestRecord(record, line);
        sink.Write(line);
    }
};

// The net whose records are being written.
struct CurrentNet {
    std::int32_t id = 0;
    std::string_view recordName;  // as the records carry it: name, tie name or alias
    std::string_view fullName;    // as the user knows it, for messages
};

// The output unit, for messages that quote a value in it.
constexpr std::string_view OutputUnitText(Units units) noexcept
{
    return units == Units::Mils ? "units of 0.0001 inch" : "units of 0.001 mm";
}

// A location plus its offset in output units, halves to even, or the run
// stops: a location whose magnitude needs more than six digits cannot be
// written. The sum is taken in 64 bits, so it does not wrap. describe() names
// the pad or via; it is called only then, so the usual case builds no text.
template <typename Describe>
std::int64_t CheckedLocation(const RecordContext& records, std::int32_t location, std::int32_t offset, char axis,
                             Describe describe)
{
    const std::int64_t units = DivideRoundHalfEven(std::int64_t{location} + offset, records.unitDivisor);
    if (units > kLargestLocation || units < -kLargestLocation)
        throw ExportError(describe() + ": the " + axis + " location comes to " + std::to_string(units) + " " +
                          std::string(OutputUnitText(records.units)) + ", more than the six digits a test " +
                          "record holds");
    return units;
}

}  // namespace nodewick::exporter
