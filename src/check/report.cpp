#include "report.h"

#include <nlohmann/json.hpp>

namespace nodewick::check {
namespace {

std::string_view SeverityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

}  // namespace

std::string FindingsText(const Findings& findings, std::string_view netlistName)
{
    std::string text;
    for (const Finding& finding : findings.list()) {
        text += netlistName;
        if (finding.line != 0)
            text += ":" + std::to_string(finding.line) + ":" + std::to_string(finding.column);
        text += ": ";
        text += SeverityName(finding.severity);
        text += ": " + finding.message + "\n";
    }
    return text;
}

std::string FindingsJson(const Netlist& netlist, std::string_view netlistName)
{
    nlohmann::json list = nlohmann::json::array();
    for (const Finding& finding : netlist.findings.list()) {
        nlohmann::json item{{"severity", SeverityName(finding.severity)}, {"message", finding.message}};
        item["line"] = finding.line == 0 ? nlohmann::json(nullptr) : nlohmann::json(finding.line);
        item["column"] = finding.line == 0 ? nlohmann::json(nullptr) : nlohmann::json(finding.column);
        list.push_back(std::move(item));
    }
    const nlohmann::json report{
        {"netlist", netlistName},
        {"records", netlist.records.size()},
        {"nets", netlist.netNames.size()},
        {"errors", netlist.findings.count(Severity::Error)},
        {"warnings", netlist.findings.count(Severity::Warning)},
        {"findings", std::move(list)},
    };
    // Texts of the netlist are single-byte; a byte that is not UTF-8 is
    // replaced rather than stopping the report.
    return report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace nodewick::check
