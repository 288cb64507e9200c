#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dbx/dbx.h"
#include "export_error.h"
#include "export_run.h"
#include "layer_positions.h"
#include "netlist_file.h"
#include "record_format.h"
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
    NetlistFile& file;
    Warnings& warnings;
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

// The location text, or the run stops: a location whose magnitude needs more
// than six digits cannot be written. describe() names the pad or via; it is
// called only then, so the usual case builds no text.
template <typename Describe>
LocationText CheckedLocation(const RecordContext& records, std::int32_t location, std::int32_t offset, char axis,
                             Describe describe)
{
    LocationText text = CoordText(location, offset, records.unitDivisor);
    if (!text.fits())
        throw ExportError(describe() + ": the " + axis + " location comes to " + std::to_string(text.outputUnits) +
                          " " + std::string(OutputUnitText(records.units)) + ", more than the six digits a test " +
                          "record holds");
    return text;
}

} // namespace nodewick::exporter
