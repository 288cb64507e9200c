#include "export_summary.h"

#include <nlohmann/json.hpp>

namespace nodewick::cli {

std::string JsonSummary(const std::string& design, const exporter::ExportResult& result, const std::string& error)
{
    nlohmann::ordered_json summary;
    summary["design"] = design;
    summary["written"] = error.empty();
    summary["netlist"] = error.empty() ? nlohmann::ordered_json(result.netlistPath) : nlohmann::ordered_json();
    summary["nets"] = result.netCount;
    summary["pads"] = result.padRecords;
    summary["vias"] = result.viaRecords;
    summary["records"] = result.padRecords + result.viaRecords;
    summary["aliases"] = result.aliases;
    summary["warnings"] = result.warnings;
    if (!error.empty())
        summary["error"] = error;
    return summary.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace nodewick::cli
