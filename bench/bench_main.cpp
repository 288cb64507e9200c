// nodewick-bench: measures loading and exporting synthetic boards of 10
// thousand, 100 thousand and 1 million pads, a large P-CAD file and the whole
// command line, against the floor of writing the same bytes, checks that
// every output is byte for byte what the previous run wrote, and times the
// checker on the largest netlist against its design.
#include <cstdio>
#include <exception>
#include <string>

#include <CLI/CLI.hpp>

#include "bench_suite.h"
#include "export_probe.h"
#include "report.h"

namespace {

namespace fs = std::filesystem;
using namespace nodewick::bench;

// The child's part: one load and export, its measurements on stdout.
int Probe(const fs::path& design)
{
    try {
        std::fputs(FormatProbe(ProbeExport(design, nodewick::exporter::Units::Mils)).c_str(), stdout);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "nodewick-bench: %s\n", error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const fs::path program = fs::canonical("/proc/self/exe");
    const fs::path buildFolder = program.parent_path().parent_path();
    SuiteOptions options{.program = program,
                         .dataFolder = buildFolder / "bench-data",
                         .digestFile = fs::path(NODEWICK_BENCH_SOURCE_DIR) / "digests.txt"};
    const fs::path command = buildFolder / "src" / "app" / "nodewick-export";
    if (fs::exists(command))
        options.exportCommand = command;
    const fs::path checker = buildFolder / "src" / "app" / "nodewick-check";
    if (fs::exists(checker))
        options.checkCommand = checker;

    CLI::App app{"Measures Nodewick's design loading and export on synthetic boards."};
    std::string probe;
    app.add_option("--probe", probe, "Measure one design in this process (used by the benchmark itself)");
    app.add_option("--data", options.dataFolder, "Folder for the generated designs and their netlists");
    app.add_option("--sizes", options.sizes, "Pad counts of the JSON designs")->delimiter(',');
    app.add_option("--pcad-pads", options.pcadPads, "Pad count of the P-CAD design; 0 for none");
    app.add_option("--seed", options.seed, "Seed of the boards");
    app.add_option("--runs", options.runs, "Runs per design; the best counts")->check(CLI::Range(1, 100));
    app.add_option("--digests", options.digestFile, "Output digests of the previous run");
    app.add_flag("--update-digests", options.updateDigests, "Take the new digests where they changed");
    app.add_option("--export-command", options.exportCommand, "The command-line exporter; empty for none");
    app.add_option("--check-command", options.checkCommand,
                   "The checker, run on the netlist of the largest JSON design; empty for none");
    CLI11_PARSE(app, argc, argv);

    if (!probe.empty())
        return Probe(probe);
    try {
        const SuiteResult result = RunSuite(options);
        PrintReport(result, stdout);
        return result.digestChanged ? 2 : 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "nodewick-bench: %s\n", error.what());
        return 1;
    }
}
