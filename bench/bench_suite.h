#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "export_probe.h"

namespace nodewick::bench {

struct SuiteOptions {
    std::filesystem::path program{};        // this benchmark, run again as the child of each measurement
    std::filesystem::path dataFolder{};     // generated designs and their netlists
    std::filesystem::path digestFile{};     // digests of the previous run
    std::filesystem::path exportCommand{};  // nodewick-export; empty: not measured
    std::filesystem::path checkCommand{};   // nodewick-check; empty: not measured
    std::vector<std::int64_t> sizes = {10000, 100000, 1000000};
    std::int64_t pcadPads = 1000000;  // 0: no P-CAD line
    std::uint64_t seed = 1;
    int runs = 3;
    bool updateDigests = false;
    std::string sourceDateEpoch = "1767225600";  // 2026-01-01 00:00:00 UTC
};

// One design measured: the best of the runs (shortest times, largest peaks).
struct DesignMeasure {
    std::string label{};  // names the output in the digest file
    std::string format{};
    std::int64_t pads = 0;
    std::uintmax_t designBytes = 0;
    ProbeResult best{};
    double floorSeconds = 0;
    std::string digestNote{};  // "same", "new", or what changed
};

// The whole command-line export, as a user runs it.
struct CommandMeasure {
    std::string label{};
    std::string format{};  // of the design file, as in DesignMeasure
    std::int64_t pads = 0;
    std::vector<std::string> arguments{};
    int exitCode = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    std::int64_t peakKib = 0;
    std::string digestNote{};
};

struct SuiteResult {
    std::vector<DesignMeasure> designs{};
    // The command on the largest JSON file, then on the P-CAD file.
    std::vector<CommandMeasure> commands{};
    // The checker on the netlist of the largest JSON file against that file.
    std::vector<CommandMeasure> checks{};
    bool digestChanged = false;
};

// Generates what is missing, measures every size, the P-CAD file and the
// command, and compares and records the digests. Progress goes to stderr.
SuiteResult RunSuite(const SuiteOptions& options);

}  // namespace nodewick::bench
