#include "bench_suite.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "design_files.h"
#include "digest_store.h"
#include "file_digest.h"
#include "process_stats.h"
#include "write_floor.h"

namespace nodewick::bench {
namespace {

std::string BoardName(std::int64_t pads, std::uint64_t seed)
{
    return "bench-" + std::to_string(pads) + "-s" + std::to_string(seed);
}

std::filesystem::path Generate(const SuiteOptions& options, std::int64_t pads, DesignFormat format,
                               const std::string& extension, std::uintmax_t& bytes)
{
    const std::filesystem::path file = options.dataFolder / (BoardName(pads, options.seed) + extension);
    std::fprintf(stderr, "generating %s\n", file.c_str());
    bytes = GenerateDesignFile({.pads = pads, .seed = options.seed}, format, file).bytes;
    return file;
}

// The header's date from SOURCE_DATE_EPOCH, in the C locale's formats.
std::vector<std::string> ReproducibleEnvironment(const SuiteOptions& options)
{
    return {"SOURCE_DATE_EPOCH=" + options.sourceDateEpoch, "LC_ALL=C"};
}

ProbeResult ProbeOnce(const SuiteOptions& options, const std::filesystem::path& design)
{
    const ProcessRun run = RunProcess({options.program.string(), "--probe", design.string()},
                                      ReproducibleEnvironment(options));
    if (run.exitCode != 0)
        throw std::runtime_error("measuring " + design.string() + " failed (exit status " +
                                 std::to_string(run.exitCode) + ")");
    return ParseProbe(run.output);
}

// The best of several runs: the shortest times and the largest peaks. The
// digest must not change from run to run.
ProbeResult ProbeBest(const SuiteOptions& options, const std::filesystem::path& design, std::string& runNote)
{
    ProbeResult best = ProbeOnce(options, design);
    for (int run = 1; run < options.runs; ++run) {
        const ProbeResult next = ProbeOnce(options, design);
        best.loadSeconds = std::min(best.loadSeconds, next.loadSeconds);
        best.openSeconds = std::min(best.openSeconds, next.openSeconds);
        best.exportSeconds = std::min(best.exportSeconds, next.exportSeconds);
        best.loadCpuSeconds = std::min(best.loadCpuSeconds, next.loadCpuSeconds);
        best.exportCpuSeconds = std::min(best.exportCpuSeconds, next.exportCpuSeconds);
        best.peakKib = std::max(best.peakKib, next.peakKib);
        best.peakExportKib = std::max(best.peakExportKib, next.peakExportKib);
        if (next.digest != best.digest)
            runNote = "differs from run to run";
    }
    return best;
}

class DigestCheck {
public:
    explicit DigestCheck(const SuiteOptions& options)
        : file_(options.digestFile), update_(options.updateDigests), store_(DigestStore::Load(options.digestFile))
    {
    }

    // Compares with the previous run's digest and notes the new one where
    // there was none, or everywhere when updating.
    std::string Check(const std::string& label, const std::string& digest)
    {
        const std::optional<std::string> previous = store_.Find(label);
        if (previous == digest)
            return "same";
        if (!previous || update_) {
            store_.Set(label, digest);
            dirty_ = true;
            return previous ? "updated, was " + *previous : "new";
        }
        changed_ = true;
        return "CHANGED, was " + *previous;
    }

    bool Changed() const { return changed_; }

    void Save() const
    {
        if (dirty_)
            store_.Save(file_);
    }

private:
    std::filesystem::path file_;
    bool update_;
    DigestStore store_;
    bool dirty_ = false;
    bool changed_ = false;
};

DesignMeasure MeasureDesign(const SuiteOptions& options, DigestCheck& digests, std::int64_t pads, DesignFormat format,
                            const std::string& formatName, const std::string& extension)
{
    DesignMeasure measure{.label = formatName + "-" + std::to_string(pads) + "-s" + std::to_string(options.seed) +
                              "-mil",
                          .format = formatName,
                          .pads = pads};
    const std::filesystem::path design = Generate(options, pads, format, extension, measure.designBytes);
    std::fprintf(stderr, "measuring %s (%d runs)\n", design.c_str(), options.runs);
    std::string runNote;
    measure.best = ProbeBest(options, design, runNote);
    measure.floorSeconds = WriteFloorSeconds(options.dataFolder, measure.best.outputBytes);
    measure.digestNote = runNote.empty() ? digests.Check(measure.label, measure.best.digest) : runNote;
    return measure;
}

// The P-CAD file holds the same board as the JSON file of its size: both
// readers must make the same test records of it.
void NoteSameRecords(const std::vector<DesignMeasure>& jsonDesigns, DesignMeasure& pcad)
{
    for (const DesignMeasure& json : jsonDesigns) {
        if (json.pads == pcad.pads)
            pcad.digestNote += json.best.bodyDigest == pcad.best.bodyDigest ? "; records as from JSON"
                                                                            : "; RECORDS DIFFER from JSON";
    }
}

// The netlist the export writes for a design file: its name up to the first
// dot, then "ipc", in the same folder.
std::filesystem::path NetlistOf(const std::filesystem::path& design)
{
    const std::string name = design.filename().string();
    return design.parent_path() / (name.substr(0, name.find('.') + 1) + "ipc");
}

// format: "json" or "pcad", as in the digest labels; extension: the file's.
CommandMeasure MeasureCommand(const SuiteOptions& options, DigestCheck& digests, std::int64_t pads,
                              const std::string& format, const std::string& extension)
{
    const std::filesystem::path design = options.dataFolder / (BoardName(pads, options.seed) + extension);
    CommandMeasure measure{.label = "command-" + format + "-" + std::to_string(pads) + "-s" +
                               std::to_string(options.seed),
                           .format = format,
                           .pads = pads,
                           .arguments = {options.exportCommand.string(), design.string()}};
    std::fprintf(stderr, "running %s %s\n", measure.arguments[0].c_str(), measure.arguments[1].c_str());
    const std::filesystem::path netlist = NetlistOf(design);
    std::filesystem::remove(netlist);
    const ProcessRun run = RunProcess(measure.arguments, ReproducibleEnvironment(options));
    measure.exitCode = run.exitCode;
    measure.wallSeconds = run.wallSeconds;
    measure.cpuSeconds = run.cpuSeconds;
    measure.peakKib = run.peakKib;
    measure.digestNote = run.exitCode == 0 ? digests.Check(measure.label, DigestText(FileDigest(netlist)))
                                           : "no netlist";
    return measure;
}

// The checker on the netlist the command just wrote, against its design.
CommandMeasure MeasureCheck(const SuiteOptions& options, std::int64_t pads)
{
    const std::filesystem::path design = options.dataFolder / (BoardName(pads, options.seed) + ".json");
    CommandMeasure measure{.label = "check-json-" + std::to_string(pads) + "-s" + std::to_string(options.seed),
                           .format = "json",
                           .pads = pads,
                           .arguments = {options.checkCommand.string(), NetlistOf(design).string(), design.string()}};
    std::fprintf(stderr, "running %s %s %s\n", measure.arguments[0].c_str(), measure.arguments[1].c_str(),
                 measure.arguments[2].c_str());
    const ProcessRun run = RunProcess(measure.arguments, ReproducibleEnvironment(options));
    measure.exitCode = run.exitCode;
    measure.wallSeconds = run.wallSeconds;
    measure.cpuSeconds = run.cpuSeconds;
    measure.peakKib = run.peakKib;
    measure.digestNote = run.exitCode == 0 ? "no findings" : run.exitCode == 1 ? "FINDINGS" : "not checked";
    return measure;
}

}  // namespace

SuiteResult RunSuite(const SuiteOptions& options)
{
    std::filesystem::create_directories(options.dataFolder);
    DigestCheck digests(options);
    SuiteResult result;
    for (std::int64_t pads : options.sizes)
        result.designs.push_back(MeasureDesign(options, digests, pads, DesignFormat::Json, "json", ".json"));
    if (options.pcadPads > 0) {
        DesignMeasure pcad = MeasureDesign(options, digests, options.pcadPads, DesignFormat::PcadMillimetres, "pcad",
                                           ".pcb");
        NoteSameRecords(result.designs, pcad);
        result.designs.push_back(std::move(pcad));
    }
    if (!options.exportCommand.empty() && !options.sizes.empty()) {
        const std::int64_t largest = *std::max_element(options.sizes.begin(), options.sizes.end());
        result.commands.push_back(MeasureCommand(options, digests, largest, "json", ".json"));
        if (!options.checkCommand.empty() && result.commands.back().exitCode == 0)
            result.checks.push_back(MeasureCheck(options, largest));
    }
    if (!options.exportCommand.empty() && options.pcadPads > 0)
        result.commands.push_back(MeasureCommand(options, digests, options.pcadPads, "pcad", ".pcb"));
    result.digestChanged = digests.Changed();
    digests.Save();
    return result;
}

}  // namespace nodewick::bench
