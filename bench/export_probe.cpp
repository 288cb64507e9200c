#include "export_probe.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "design/design_file.h"
#include "design/stand_in_editor.h"
#include "export/date_time_text.h"
#include "export/layer_list.h"
#include "file_digest.h"
#include "process_stats.h"

namespace nodewick::bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Every field of ProbeResult with its key, for writing and reading alike.
template <typename Result, typename Visit>
void ForEachField(Result& result, Visit&& visit)
{
    visit("load_seconds", result.loadSeconds);
    visit("open_seconds", result.openSeconds);
    visit("export_seconds", result.exportSeconds);
    visit("load_cpu_seconds", result.loadCpuSeconds);
    visit("export_cpu_seconds", result.exportCpuSeconds);
    visit("peak_kib", result.peakKib);
    visit("peak_export_kib", result.peakExportKib);
    visit("pad_records", result.padRecords);
    visit("via_records", result.viaRecords);
    visit("nets", result.nets);
    visit("warnings", result.warnings);
    visit("output_bytes", result.outputBytes);
    visit("digest", result.digest);
    visit("body_digest", result.bodyDigest);
}

void ReadValue(const std::string& text, double& value)
{
    value = std::stod(text);
}
void ReadValue(const std::string& text, std::int64_t& value)
{
    value = std::stoll(text);
}
void ReadValue(const std::string& text, std::uintmax_t& value)
{
    value = std::stoull(text);
}
void ReadValue(const std::string& text, std::string& value)
{
    value = text;
}

}  // namespace

ProbeResult ProbeExport(const std::filesystem::path& design, exporter::Units units)
{
    ProbeResult result;
    double cpuStart = ProcessorSeconds();
    auto start = Clock::now();
    design::LoadedDesign loaded = design::LoadDesignFile(design);
    result.loadSeconds = SecondsSince(start);
    result.warnings = static_cast<std::int64_t>(loaded.warnings.size());

    start = Clock::now();
    design::StandInEditor editor(std::move(loaded.design));
    dbx::DbxContext context;
    dbx::DbxStatus status = editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    dbx::DesignInfo info;
    if (status == dbx::status::kSuccess)
        status = editor.TGetDesignInfo(context, info);
    exporter::ExportChoices choices;
    choices.units = units;
    choices.layerList = exporter::FillLayerList(editor, context);
    result.openSeconds = SecondsSince(start);
    result.loadCpuSeconds = ProcessorSeconds() - cpuStart;

    const exporter::ExportHooks hooks{.showStatus = [](const std::string&) {},
                                      .showFile = [](const std::string&) {},
                                      .dateTimeText = [] { return exporter::DateTimeText(); },
                                      .openInViewer = [](const std::string&) {}};
    const std::int64_t peakBeforeExport = PeakResidentKib();
    ResetPeakResident();
    cpuStart = ProcessorSeconds();
    start = Clock::now();
    const exporter::ExportResult exported = exporter::RunExport(editor, context, status, choices, hooks);
    result.exportSeconds = SecondsSince(start);
    result.exportCpuSeconds = ProcessorSeconds() - cpuStart;
    result.peakExportKib = PeakResidentKib();
    result.peakKib = std::max(peakBeforeExport, result.peakExportKib);
    if (!exported.written)
        throw std::runtime_error(design.string() + ": the export wrote nothing: " + exported.error);

    result.padRecords = exported.padRecords;
    result.viaRecords = exported.viaRecords;
    result.nets = exported.netCount;
    result.outputBytes = std::filesystem::file_size(exported.netlistPath);
    result.digest = DigestText(FileDigest(exported.netlistPath));
    result.bodyDigest = DigestText(FileDigest(exported.netlistPath, "P  DIM"));
    return result;
}

std::string FormatProbe(const ProbeResult& result)
{
    std::ostringstream out;
    out.precision(9);
    ForEachField(result, [&](const char* key, const auto& value) { out << key << '=' << value << '\n'; });
    return out.str();
}

ProbeResult ParseProbe(const std::string& text)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    ProbeResult result;
    ForEachField(result, [&](const char* key, auto& value) {
        const auto found = values.find(key);
        if (found == values.end())
            throw std::runtime_error(std::string("the export probe reported no ") + key);
        ReadValue(found->second, value);
    });
    return result;
}

}  // namespace nodewick::bench
