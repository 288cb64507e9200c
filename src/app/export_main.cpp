// nodewick-export DESIGN: writes the IPC-D-356A test netlist of DESIGN beside
// it, as the window's Start does with DESIGN open in the PCB editor.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "check/netlist_reader.h"
#include "check/plot_file.h"
#include "export/date_time_text.h"
#include "export/export_run.h"
#include "export/text_viewer.h"
#include "start/start_up.h"
#include "export_options.h"

namespace {

using namespace nodewick;

constexpr std::string_view kProgram = "nodewick-export";

struct Options {
    std::string design;
    std::string units = "mils";
    bool noTie = false;
    std::optional<std::string> offset;
    std::optional<std::string> layers;
    bool view = false;
    bool verbose = false;
    std::optional<std::string> plot;
};

void Complain(std::string_view message)
{
    std::cerr << kProgram << ": " << message << '\n';
}

int Export(const Options& options)
{
    exporter::ExportChoices choices;
    choices.units = options.units == "mm" ? exporter::Units::Millimetres : exporter::Units::Mils;
    choices.tie = !options.noTie;
    choices.view = options.view;
    if (options.offset)
        std::tie(choices.offsetXText, choices.offsetYText) = cli::OffsetTexts(*options.offset, choices.units);

    start::Started started = start::StartUp(options.design);
    start::Conversation& conversation = started.conversation;
    for (const std::string& warning : conversation.warnings)
        Complain("warning: " + warning);
    choices.layerList = std::move(conversation.layerList);
    if (options.layers && conversation.status == dbx::status::kSuccess)
        choices.layerList = cli::ReorderedLayers(choices.layerList, *options.layers);

    std::string lastStatus;
    std::optional<std::string> viewerError;
    const exporter::ExportHooks hooks{
        .showStatus =
            [&](const std::string& text) {
                lastStatus = text;
                if (options.verbose)
                    std::cout << text << '\n';
            },
        .showFile = [](const std::string&) {},
        .dateTimeText = [] { return exporter::DateTimeText(); },
        .openInViewer = [&](const std::string& path) { viewerError = exporter::OpenInTextViewer(path); },
    };
    const exporter::ExportResult result =
        exporter::RunExport(*started.editor, conversation.context, conversation.status, choices, hooks);
    for (const std::string& warning : result.warnings)
        Complain("warning: " + warning);
    if (!result.written) {
        Complain(result.error);
        return 1;
    }
    if (options.plot) {
        const check::Netlist written = check::ReadNetlistFile(result.netlistPath);
        check::WritePlotFile(*options.plot, written, {.title = std::filesystem::path(result.netlistPath).filename().string(), .highlight = std::nullopt});
    }
    if (!options.verbose)
        std::cout << lastStatus << '\n';
    if (viewerError)
        Complain(*viewerError);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    CLI::App app("Writes the IPC-D-356A bare-board test netlist of a design beside it.", std::string(kProgram));
    app.set_version_flag("--version", std::string(kProgram) + " " + NODEWICK_VERSION);
    app.add_option("DESIGN", options.design, "Design file (JSON design or P-CAD ASCII PCB)")->required();
    app.add_option("--units", options.units, "Output units")->check(CLI::IsMember({"mils", "mm"}))
        ->capture_default_str();
    app.add_flag("--no-tie", options.noTie, "Write tied nets under their own names, not their tie name");
    app.add_option("--offset", options.offset, "Offset X,Y added to every location, in the chosen unit");
    app.add_option("--layers", options.layers,
                   "Layer order: names or ids, comma-separated; layers not named follow in their current order");
    app.add_flag("--view", options.view, "Open the finished netlist in the text editor");
    app.add_flag("--verbose", options.verbose, "Print every status text, not only the last");
    app.add_option("--plot", options.plot, "Also draw the test points of the netlist written into this SVG file");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }
    try {
        return Export(options);
    } catch (const std::exception& error) {
        // A design that does not load, a bad option value.
        Complain(error.what());
        return 1;
    }
}
