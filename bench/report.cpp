#include "report.h"

#include <fstream>
#include <string>
#include <thread>

#include <sys/utsname.h>

namespace nodewick::bench {
namespace {

constexpr double kKibPerMib = 1024.0;
constexpr std::int64_t kOneGibKib = 1024 * 1024;

// The value of the first "key : value" line of a /proc file.
std::string ProcValue(const char* file, const std::string& key)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with(key)) {
            const auto colon = line.find(':');
            const auto start = line.find_first_not_of(" \t", colon + 1);
            return start == std::string::npos ? std::string() : line.substr(start);
        }
    }
    return "unknown";
}

void PrintMachine(std::FILE* out)
{
    utsname system{};
    uname(&system);
    std::fprintf(out, "Machine: %s, %u processors (nproc), memory %s, Linux %s; compiler g++ %s.\n\n",
                 ProcValue("/proc/cpuinfo", "model name").c_str(), std::thread::hardware_concurrency(),
                 ProcValue("/proc/meminfo", "MemTotal").c_str(), system.release, __VERSION__);
}

double Mib(double kib)
{
    return kib / kKibPerMib;
}

void PrintDesigns(const SuiteResult& result, std::FILE* out)
{
    std::fprintf(out,
                 "Times are wall clock, with processor time (user and system) in brackets; the best of the runs.\n\n"
                 "| Design | Pads | Design file MiB | Load s | Export s | Test records | Records/s | Netlist MiB "
                 "| Floor s | Export / floor | Peak MiB (export) | Digest |\n"
                 "|---|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|---|\n");
    for (const DesignMeasure& design : result.designs) {
        const ProbeResult& best = design.best;
        const auto records = static_cast<double>(best.padRecords + best.viaRecords);
        std::fprintf(out,
                     "| %s | %lld | %.1f | %.3f (%.3f) | %.3f (%.3f) | %.0f | %.2fM (%.2fM) | %.1f | %.4f | %.1f "
                     "| %.0f (%.0f) | %s %s |\n",
                     design.format.c_str(), static_cast<long long>(design.pads),
                     Mib(static_cast<double>(design.designBytes) / 1024.0), best.loadSeconds + best.openSeconds,
                     best.loadCpuSeconds, best.exportSeconds, best.exportCpuSeconds, records,
                     records / best.exportSeconds / 1e6, records / best.exportCpuSeconds / 1e6,
                     Mib(static_cast<double>(best.outputBytes) / 1024.0), design.floorSeconds,
                     best.exportSeconds / design.floorSeconds, Mib(static_cast<double>(best.peakKib)),
                     Mib(static_cast<double>(best.peakExportKib)), best.digest.c_str(), design.digestNote.c_str());
    }
    std::fprintf(out, "\n");
}

// The JSON design, or the command on it, of that many pads.
template <typename Measure>
const Measure* FindJson(const std::vector<Measure>& measures, std::int64_t pads)
{
    for (const Measure& measure : measures)
        if (measure.format == "json" && measure.pads == pads)
            return &measure;
    return nullptr;
}

void PrintTarget(std::FILE* out, const char* target, const std::string& measured, bool met)
{
    std::fprintf(out, "| %s | %s | %s |\n", target, measured.c_str(), met ? "met" : "MISSED");
}

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void PrintTargets(const SuiteResult& result, std::FILE* out)
{
    std::fprintf(out, "| Target | Measured | |\n|---|--:|---|\n");
    if (const DesignMeasure* large = FindJson(result.designs, 1000000)) {
        const ProbeResult& best = large->best;
        const double rate = static_cast<double>(best.padRecords + best.viaRecords) / best.exportSeconds;
        PrintTarget(out, "1M-pad export: at least 2M test records/s", Format("%.2fM/s", rate / 1e6), rate >= 2e6);
        const double ratio = best.exportSeconds / large->floorSeconds;
        PrintTarget(out, "1M-pad export: at most 3 times the floor", Format("%.1f times", ratio), ratio <= 3.0);
        if (const DesignMeasure* medium = FindJson(result.designs, 100000)) {
            const double growth = best.exportSeconds / medium->best.exportSeconds;
            PrintTarget(out, "export of 1M pads at most 12 times 100k", Format("%.1f times", growth), growth <= 12.0);
            const double loadGrowth = (best.loadSeconds + best.openSeconds) /
                (medium->best.loadSeconds + medium->best.openSeconds);
            PrintTarget(out, "load of 1M pads at most 12 times 100k", Format("%.1f times", loadGrowth),
                        loadGrowth <= 12.0);
        }
    }
    if (const CommandMeasure* command = FindJson(result.commands, 1000000); command && command->exitCode == 0) {
        PrintTarget(out, "whole command on 1M pads: under 3 s",
                    Format("%.2f s", command->wallSeconds) + Format(" (%.2f s processor)", command->cpuSeconds),
                    command->wallSeconds < 3.0);
        PrintTarget(out, "whole command on 1M pads: under 1 GiB",
                    Format("%.0f MiB", Mib(static_cast<double>(command->peakKib))), command->peakKib < kOneGibKib);
    }
    const CommandMeasure* exported = FindJson(result.commands, 1000000);
    if (const CommandMeasure* check = FindJson(result.checks, 1000000); check && exported) {
        PrintTarget(out, "check of the 1M-pad netlist against its design: at most as long as the export",
                    Format("%.2f s", check->wallSeconds) + Format(" against %.2f s", exported->wallSeconds),
                    check->exitCode <= 1 && check->wallSeconds <= exported->wallSeconds);
    }
    PrintTarget(out, "outputs byte-identical to the previous run", result.digestChanged ? "changed" : "identical",
                !result.digestChanged);
}

}  // namespace

void PrintReport(const SuiteResult& result, std::FILE* out)
{
    PrintMachine(out);
    PrintDesigns(result, out);
    for (const CommandMeasure& command : result.commands) {
        std::fprintf(out,
                     "Whole command `%s %s`: exit status %d, %.2f s wall (%.2f s processor), peak %.0f MiB, "
                     "netlist digest %s.\n\n",
                     command.arguments[0].c_str(), command.arguments[1].c_str(), command.exitCode, command.wallSeconds,
                     command.cpuSeconds, Mib(static_cast<double>(command.peakKib)), command.digestNote.c_str());
    }
    for (const CommandMeasure& check : result.checks) {
        std::fprintf(
            out, "Whole check `%s %s %s`: exit status %d (%s), %.2f s wall (%.2f s processor), peak %.0f MiB.\n\n",
            check.arguments[0].c_str(), check.arguments[1].c_str(), check.arguments[2].c_str(), check.exitCode,
            check.digestNote.c_str(), check.wallSeconds, check.cpuSeconds, Mib(static_cast<double>(check.peakKib)));
    }
    PrintTargets(result, out);
}

}  // namespace nodewick::bench
