// nodewick-gen: writes a synthetic board of a given pad count as a JSON design
// file or a P-CAD ASCII PCB file, the same board for the same seed.
#include <cstdio>
#include <exception>
#include <string>

#include <CLI/CLI.hpp>

#include "design_files.h"

int main(int argc, char** argv)
{
    using namespace nodewick::bench;
    CLI::App app{"Writes a synthetic board design for measuring Nodewick."};
    BoardSpec spec;
    DesignFormat format = DesignFormat::Json;
    std::string output;
    app.add_option("--pads", spec.pads, "Pads on the board (component pads plus free pads)")
        ->check(CLI::Range(std::int64_t{1}, std::int64_t{20'000'000}));
    app.add_option("--seed", spec.seed, "Seed of the board; the same seed gives the same file");
    app.add_option("--format", format, "json, pcad-mm or pcad-mil")
        ->transform(CLI::CheckedTransformer(DesignFormatNames(), CLI::ignore_case));
    app.add_option("-o,--output", output, "File to write")->required();
    CLI11_PARSE(app, argc, argv);

    try {
        const GeneratedDesign design = GenerateDesignFile(spec, format, output);
        const BoardCounts& counts = design.counts;
        std::printf("%s: %lld bytes, %lld pads (%lld in nets), %lld components, %lld nets (%lld with names of 14+ "
                    "characters, %lld tie nets, largest %lld pads), %lld vias\n",
                    output.c_str(), static_cast<long long>(design.bytes), static_cast<long long>(counts.pads),
                    static_cast<long long>(counts.nodes), static_cast<long long>(counts.components),
                    static_cast<long long>(counts.nets), static_cast<long long>(counts.longNames),
                    static_cast<long long>(counts.tieNets), static_cast<long long>(counts.largestNet),
                    static_cast<long long>(counts.vias));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "nodewick-gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
