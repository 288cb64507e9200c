// nodewick-export DESIGN...: writes the IPC-D-356A test netlist of each DESIGN
// beside it, as the window's Start does with DESIGN open in the PCB editor.

#include <CLI/CLI.hpp>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/dbx_probe.h"
#include "base/error.h"
#include "check/netlist_reader.h"
#include "check/plot_file.h"
#include "dbx/windows1252_text.h"
#include "export/date_time_text.h"
#include "export/export_run.h"
#include "export/text_viewer.h"
#include "start/start_up.h"
#include "export_options.h"
#include "export_summary.h"
#include "standard_input.h"

#ifdef _WIN32
#include "dbx/dbx_library.h"
#endif

namespace {

using namespace nodewick;

constexpr std::string_view kProgram = "nodewick-export";
constexpr std::string_view kStandardInput = "-";

constexpr int kWritten = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kFooter = R"(Files:
  The netlist is written beside the design, named by the design's file name
  up to its first "." followed by "ipc" (board.pcb and board.v2.json give
  board.ipc), unless -o names it. The layer order is read from Nodewick.ini in
  the design's folder and saved there after the netlist, unless --no-settings
  is given or the design comes from standard input. Both files are written
  under a temporary name and renamed into place, so an interrupted or failed
  run leaves the earlier files as they were.

Exit status:
  0  every netlist was written
  1  a design could not be exported, or the viewer could not be started
  2  the command line is wrong; nothing was exported
)";

struct Options {
    std::vector<std::string> designs;
    std::string units = "mils";
    bool noTie = false;
    std::optional<std::string> offset;
    std::optional<std::string> layers;
    std::optional<std::string> output;
    bool noSettings = false;
    bool view = false;
    bool verbose = false;
    bool quiet = false;
    bool json = false;
    std::optional<std::string> plot;
    std::string dbxLibrary;  // Windows: dbx32.dll's path, empty for the default search
    bool dbxProbe = false;
};

void Complain(std::string_view message)
{
    std::cerr << kProgram << ": " << message << '\n';
}

// A line on standard error that shows how far a long export has come, for
// someone watching a terminal. It appears only once a run takes more than a
// second, and is rewritten at most five times a second.
class ProgressLine {
public:
    explicit ProgressLine(bool wanted) : wanted_(wanted && ::isatty(STDERR_FILENO) == 1) { }
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(const std::string& status)
    {
        if (!wanted_)
            return;
        const Clock::time_point now = Clock::now();
        if (now - started_ < std::chrono::seconds(1) || now - lastShown_ < std::chrono::milliseconds(200))
            return;
        lastShown_ = now;
        shown_ = true;
        std::cerr << '\r' << kProgram << ": " << dbx::Windows1252ToUtf8(status) << "\x1b[K" << std::flush;
    }

    void clear()
    {
        if (shown_)
            std::cerr << "\r\x1b[K" << std::flush;
        shown_ = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    bool wanted_;
    bool shown_ = false;
    Clock::time_point started_ = Clock::now();
    Clock::time_point lastShown_{};
};

// The design's start as the window's: the stand-in editor holding it open,
// the conversation opened, the saved layer order applied. The copy of
// standard input is named as what it is in a message.
// The editor the run talks to and the conversation opened with it: the
// stand-in editor with a design file, or on Windows P-CAD through dbx32.dll.
struct Started {
    std::unique_ptr<dbx::Dbx> editor;
    start::Conversation conversation;
};

#ifdef _WIN32
Started StartThroughDbx(const Options& options)
{
    auto library = std::make_unique<dbx::DbxLibrary>(options.dbxLibrary);
    start::Conversation conversation = start::OpenConversation(*library);
    return {std::move(library), std::move(conversation)};
}
#endif

Started StartDesign(const std::string& designFile, const std::string& shownName, bool readSettings)
{
    try {
        start::Started started = start::StartUp(designFile, readSettings);
        return {std::move(started.editor), std::move(started.conversation)};
    } catch (const std::exception& error) {
        if (designFile == shownName)
            throw;
        std::string message = error.what();
        for (std::size_t at = message.find(designFile); at != std::string::npos; at = message.find(designFile))
            message.replace(at, designFile.size(), "standard input");
        throw std::runtime_error(message);
    }
}

exporter::ExportChoices Choices(const Options& options)
{
    exporter::ExportChoices choices;
    choices.units = options.units == "mm" ? exporter::Units::Millimetres : exporter::Units::Mils;
    choices.tie = !options.noTie;
    choices.view = options.view;
    if (options.offset)
        std::tie(choices.offsetXText, choices.offsetYText) = cli::OffsetTexts(*options.offset, choices.units);
    return choices;
}

// The picture of the test points of the netlist just written.
void PlotNetlist(const std::string& netlistPath, const std::string& pictureFile)
{
    const check::Netlist written = check::ReadNetlistFile(netlistPath);
    check::WritePlotFile(pictureFile, written,
                         {.title = std::filesystem::path(netlistPath).filename().string(), .highlight = std::nullopt});
}

// What became of one design.
struct Outcome {
    int exitCode = kFailed;
    exporter::ExportResult result;
    std::string error;  // empty when the netlist was written
};

Outcome ExportDesign(const std::string& design, const Options& options, exporter::ExportChoices choices)
{
    Outcome outcome;
    std::vector<std::string> warnings;
    // Loading a large design counts towards the second before progress shows.
    ProgressLine progress(!options.quiet && !options.verbose);
    const auto report = [&](std::string error) {
        outcome.result.warnings.insert(outcome.result.warnings.begin(), warnings.begin(), warnings.end());
        outcome.error = std::move(error);
        if (!options.quiet) {
            for (const std::string& warning : outcome.result.warnings)
                Complain("warning: " + warning);
        }
        if (!outcome.error.empty())
            Complain(outcome.error);
        return outcome;
    };
    try {
        const bool fromStandardInput = design == kStandardInput;
        std::optional<cli::StandardInputCopy> copy;
        if (fromStandardInput)
            copy.emplace();
        const exporter::ExportFiles files{.outputPath = options.output,
                                          .saveSettings = !options.noSettings && !fromStandardInput};

#ifdef _WIN32
        Started started = design.empty() ? StartThroughDbx(options)
                                         : StartDesign(copy ? copy->path() : design, design, files.saveSettings);
#else
        Started started = StartDesign(copy ? copy->path() : design, design, files.saveSettings);
#endif
        start::Conversation& conversation = started.conversation;
        warnings = std::move(conversation.warnings);
        choices.layerList = std::move(conversation.layerList);
        if (options.layers && conversation.status == dbx::status::kSuccess)
            choices.layerList = cli::ReorderedLayers(choices.layerList, *options.layers);

        // Standard output is the netlist's or the summaries' when asked so.
        const bool statusToOutput = !options.json && options.output != kStandardInput;
        std::ostream& statusStream = statusToOutput ? std::cout : std::cerr;
        std::string lastStatus;
        std::optional<std::string> viewerError;
        const exporter::ExportHooks hooks{
            .showStatus =
                [&](const std::string& text) {
                    lastStatus = text;
                    progress.show(text);
                    if (options.verbose)
                        statusStream << dbx::Windows1252ToUtf8(text) << '\n';
                },
            .showFile = [](const std::string&) {},
            .dateTimeText = [] { return exporter::DateTimeText(); },
            .openInViewer = [&](const std::string& path) { viewerError = exporter::OpenInTextViewer(path); },
        };
        outcome.result = exporter::RunExport(*started.editor, conversation.context, conversation.status, choices, hooks,
                                             files);
        progress.clear();
        if (!outcome.result.written)
            return report(outcome.result.error);
        if (options.plot)
            PlotNetlist(outcome.result.netlistPath, *options.plot);
        if (!options.quiet && !options.verbose && statusToOutput)
            std::cout << dbx::Windows1252ToUtf8(lastStatus) << '\n' << std::flush;
        outcome.exitCode = viewerError ? kFailed : kWritten;
        return report(viewerError.value_or(""));
    } catch (const std::exception& error) {
        // A design that does not load, a layer option the design does not
        // fit, an unreadable settings file.
        return report(error.what());
    }
}

// What the parser cannot see: combinations that make no sense.
void CheckUsage(const Options& options)
{
    const auto fromStandardInput = std::count(options.designs.begin(), options.designs.end(), kStandardInput);
    if (options.output && options.designs.size() > 1)
        throw cli::OptionError("-o/--output names the netlist of one design; " +
                               std::to_string(options.designs.size()) + " designs were given");
    if (fromStandardInput > 0 && !options.output)
        throw cli::OptionError("a design read from standard input (-) has no folder to write beside: give -o FILE");
    if (options.quiet && options.verbose)
        throw cli::OptionError("--quiet and --verbose contradict each other");
    if (options.plot && options.designs.size() > 1)
        throw cli::OptionError("--plot names the picture of one design; " + std::to_string(options.designs.size()) +
                               " designs were given");
    if (options.plot && options.output == kStandardInput)
        throw cli::OptionError("--plot draws a netlist file; -o - writes none");
    if (options.json && options.output == kStandardInput)
        throw cli::OptionError("--json and -o - would both write to standard output");
}

// --dbx-probe: what the DBX interface returns for the open design.
int Probe(const Options& options)
{
#ifdef _WIN32
    if (options.designs.empty()) {
        dbx::DbxLibrary library(options.dbxLibrary);
        const dbx::DbxStatus opened = cli::ProbeDbx(library, std::cout);
        const dbx::DbxLibrary::Findings& findings = library.findings();
        std::cout << "library " << findings.file << '\n';
        for (const std::string& name : findings.exportNames)
            std::cout << "  export " << name << '\n';
        std::cout << "pad nodes " << findings.padNodes << ", with the component part filled "
                  << findings.componentPartsFilled << ", side looked up by component " << findings.componentLookups
                  << '\n';
        return opened == dbx::status::kSuccess ? kWritten : kFailed;
    }
#endif
    int worst = kWritten;
    for (const std::string& design : options.designs) {
        start::StandIn standIn = start::OpenStandIn(design);
        if (cli::ProbeDbx(*standIn.editor, std::cout) != dbx::status::kSuccess)
            worst = kFailed;
    }
    return worst;
}

int Run(const Options& options)
{
    exporter::ExportChoices choices;
    try {
        CheckUsage(options);
        choices = Choices(options);
    } catch (const cli::OptionError& error) {
        Complain(error.what());
        return kUsage;
    }
    if (options.dbxProbe) {
        try {
            return Probe(options);
        } catch (const std::exception& error) {
            Complain(error.what());
            return kFailed;
        }
    }
    // On Windows no design file means the design open in P-CAD.
    const std::vector<std::string> designs = options.designs.empty() ? std::vector<std::string>{""} : options.designs;
    int worst = kWritten;
    for (const std::string& design : designs) {
        const Outcome outcome = ExportDesign(design, options, choices);
        worst = std::max(worst, outcome.exitCode);
        if (options.json)
            std::cout << cli::JsonSummary(design, outcome.result, outcome.error) << '\n' << std::flush;
    }
    return worst;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    CLI::App app("Writes the IPC-D-356A bare-board test netlist of each design beside it.", std::string(kProgram));
    app.set_version_flag("--version", std::string(kProgram) + " " + NODEWICK_VERSION);
    app.footer(kFooter);
    app.add_option("DESIGN", options.designs,
                   "Design files (JSON design or P-CAD ASCII PCB), each exported on its own; - reads one from "
                   "standard input")
#ifndef _WIN32
        ->required()
#endif
        ;
#ifdef _WIN32
    app.add_option("--dbx", options.dbxLibrary,
                   "Without DESIGN, the design open in P-CAD through this DBX library (default: dbx32.dll beside "
                   "this program, then on the search path)");
#endif
    app.add_flag("--dbx-probe", options.dbxProbe,
                 "Print what the DBX interface returns for the open design, and write nothing");
    app.add_option("--units", options.units, "Output units")
        ->check(CLI::IsMember({"mils", "mm"}))
        ->capture_default_str();
    app.add_flag("--no-tie", options.noTie, "Write tied nets under their own names, not their tie name");
    app.add_option("--offset", options.offset,
                   "Offset X,Y added to every location, in the chosen unit: numbers such as 12.5,-3 or "
                   "12.5mil,-3mil");
    app.add_option("--layers", options.layers,
                   "Layer order: names or ids, comma-separated; layers not named follow in their current order");
    app.add_option("-o,--output", options.output,
                   "Write the netlist to FILE instead of beside the design; - for standard output")
        ->type_name("FILE");
    app.add_flag("--no-settings", options.noSettings, "Neither read nor write Nodewick.ini");
    app.add_flag("--view", options.view, "Open the finished netlist in the text editor");
    app.add_flag("--verbose", options.verbose, "Print every status text, not only the last");
    app.add_option("--plot", options.plot, "Also draw the test points of the netlist written into this SVG file");
    app.add_flag("-q,--quiet", options.quiet, "Print nothing but errors");
    app.add_flag("--json", options.json,
                 "Print one JSON object per design on standard output: netlist path, counts of nets, pads, vias, "
                 "records and aliases, and the warnings");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? kWritten : kUsage;
    }
    return Run(options);
}
