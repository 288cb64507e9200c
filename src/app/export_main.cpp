// nodewick-export DESIGN: writes the IPC-D-356A test netlist of DESIGN beside
// it, as the window's Start does with DESIGN open in the PCB editor. On
// Windows, without DESIGN, it exports the design open in P-CAD through
// dbx32.dll.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/dbx_probe.h"
#include "export/date_time_text.h"
#include "export/export_run.h"
#include "export/text_viewer.h"
#include "start/start_up.h"
#include "export_options.h"

#ifdef _WIN32
#include "dbx/dbx_library.h"
#endif

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
    std::string dbxLibrary;  // Windows: dbx32.dll's path, empty for the default search
    bool dbxProbe = false;
};

void Complain(std::string_view message)
{
    std::cerr << kProgram << ": " << message << '\n';
}

#ifdef _WIN32
void PrintFindings(const dbx::DbxLibrary::Findings& findings, std::ostream& out)
{
    out << "library " << findings.file << '\n';
    for (const std::string& name : findings.exportNames)
        out << "  export " << name << '\n';
    out << "pad nodes " << findings.padNodes << ", with the component part filled " << findings.componentPartsFilled
        << ", side looked up by component " << findings.componentLookups << '\n';
}
#endif

// The design's editor, not yet spoken to: the stand-in editor with the design
// file open, or on Windows without a design file P-CAD through its DBX
// library.
std::unique_ptr<dbx::Dbx> OpenEditor(const Options& options)
{
#ifdef _WIN32
    if (options.design.empty())
        return std::make_unique<dbx::DbxLibrary>(options.dbxLibrary);
#endif
    start::StandIn standIn = start::OpenStandIn(options.design);
    for (const std::string& warning : standIn.warnings)
        Complain("warning: " + warning);
    return std::move(standIn.editor);
}

int Probe(const Options& options)
{
    const std::unique_ptr<dbx::Dbx> editor = OpenEditor(options);
    const dbx::DbxStatus opened = cli::ProbeDbx(*editor, std::cout);
#ifdef _WIN32
    if (const auto* library = dynamic_cast<const dbx::DbxLibrary*>(editor.get()))
        PrintFindings(library->findings(), std::cout);
#endif
    return opened == dbx::status::kSuccess ? 0 : 1;
}

// The program run started: the editor and the conversation opened with it.
struct Started {
    std::unique_ptr<dbx::Dbx> editor;
    start::Conversation conversation;
};

Started StartUp(const Options& options)
{
#ifdef _WIN32
    if (options.design.empty()) {
        std::unique_ptr<dbx::Dbx> library = OpenEditor(options);
        start::Conversation conversation = start::OpenConversation(*library);
        return {std::move(library), std::move(conversation)};
    }
#endif
    start::Started started = start::StartUp(options.design);
    return {std::move(started.editor), std::move(started.conversation)};
}

int Export(const Options& options)
{
    exporter::ExportChoices choices;
    choices.units = options.units == "mm" ? exporter::Units::Millimetres : exporter::Units::Mils;
    choices.tie = !options.noTie;
    choices.view = options.view;
    if (options.offset)
        std::tie(choices.offsetXText, choices.offsetYText) = cli::OffsetTexts(*options.offset, choices.units);

    Started started = StartUp(options);
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
#ifdef _WIN32
    app.add_option("DESIGN", options.design,
                   "Design file (JSON design or P-CAD ASCII PCB); without it, the design open in P-CAD");
    app.add_option("--dbx", options.dbxLibrary,
                   "P-CAD's DBX library to use (default: dbx32.dll beside this program, then on the search path)");
#else
    app.add_option("DESIGN", options.design, "Design file (JSON design or P-CAD ASCII PCB)")->required();
#endif
    app.add_flag("--dbx-probe", options.dbxProbe,
                 "Print what the DBX interface returns for the open design, and write nothing");
    app.add_option("--units", options.units, "Output units")->check(CLI::IsMember({"mils", "mm"}))
        ->capture_default_str();
    app.add_flag("--no-tie", options.noTie, "Write tied nets under their own names, not their tie name");
    app.add_option("--offset", options.offset, "Offset X,Y added to every location, in the chosen unit");
    app.add_option("--layers", options.layers,
                   "Layer order: names or ids, comma-separated; layers not named follow in their current order");
    app.add_flag("--view", options.view, "Open the finished netlist in the text editor");
    app.add_flag("--verbose", options.verbose, "Print every status text, not only the last");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }
    try {
        return options.dbxProbe ? Probe(options) : Export(options);
    } catch (const std::exception& error) {
        // A design that does not load, a bad option value.
        Complain(error.what());
        return 1;
    }
}
