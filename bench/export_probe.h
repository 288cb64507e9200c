#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "export/export_run.h"

namespace nodewick::bench {

// What one load and export of a design measured. Times are seconds, memory
// KiB of resident memory.
struct ProbeResult {
    double loadSeconds = 0;    // reading the design file into the design database
    double openSeconds = 0;    // making the stand-in editor and opening the design
    double exportSeconds = 0;  // the export run alone, from the open design to the closed file
    // Processor time (user and system) of loading and opening, and of the
    // export: on a machine that other work shares, closer to what the steps
    // cost than the wall clock.
    double loadCpuSeconds = 0;
    double exportCpuSeconds = 0;
    std::int64_t peakKib = 0;        // the whole process
    std::int64_t peakExportKib = 0;  // from the start of the export on
    std::int64_t padRecords = 0;
    std::int64_t viaRecords = 0;
    std::int64_t nets = 0;
    std::int64_t warnings = 0;  // load warnings
    std::uintmax_t outputBytes = 0;
    std::string digest{};      // of the whole netlist
    std::string bodyDigest{};  // of the lines after the parameter lines, to compare two readers
};

// Loads the design, opens it in the stand-in editor and exports it, the way
// the command line does, with SOURCE_DATE_EPOCH (when set) as the header's
// date. Meant for a child process of its own, so that its peak memory is the
// design's. Throws std::runtime_error when the load or the export fails.
ProbeResult ProbeExport(const std::filesystem::path& design, exporter::Units units);

// The result as "key=value" lines, and back. ParseProbe throws
// std::runtime_error on anything else.
std::string FormatProbe(const ProbeResult& result);
ProbeResult ParseProbe(const std::string& text);

}  // namespace nodewick::bench
