#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export_run.h"
#include "line_sink.h"

// The netlist's lines other than the test records: the comment header, one
// comment line per layer, the parameter lines, the alias lines and the end
// record.
namespace nodewick::exporter {

// A count that never got a value (no component, no net, no listed layer) is
// written as nothing at all.
using Count = std::optional<std::int64_t>;

struct HeaderFields {
    std::string_view designFile;  // the design's file name, cut to 25 characters
    std::string_view drawingNumber;
    std::string_view title;
    std::string_view revision;
    std::string_view engineer;
    std::string_view dateTime;  // date, one space, time of day
    Count components;
    std::int64_t nets = 0;
    std::int64_t padTotal = 0;
    std::int64_t padTop = 0;
    std::int64_t padBottom = 0;
    Count connectedPins;
    Count layers;
    std::string_view offsetX;  // FormatOffset texts
    std::string_view offsetY;
};

void WriteHeader(LineSink& out, const HeaderFields& header);

// "C ************Layer n entry**********" for each entry, numbered from 1.
void WriteLayerLines(LineSink& out, const std::vector<std::string>& layerEntries);

void WriteParameterLines(LineSink& out, std::string_view designFile, Units units);

// Declares an alias for a net name too long for the records.
void WriteAliasLine(LineSink& out, std::string_view alias, std::string_view fullName);

void WriteEndRecord(LineSink& out);

}  // namespace nodewick::exporter
