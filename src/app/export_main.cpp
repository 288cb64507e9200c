// nodewick-export DESIGN: writes the IPC-D-356A test netlist of DESIGN beside
// it, as the window's Start does with DESIGN open in the PCB editor.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "design/design_file.h"
#include "design/stand_in_editor.h"
#include "dbx/trim_null.h"
#include "export/date_time_text.h"
#include "export/design_names.h"
#include "export/export_run.h"
#include "export/layer_list.h"
#include "export/settings_file.h"
#include "export/text_viewer.h"
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
};

void Complain(std::string_view message)
{
    std::cerr << kProgram << ": " << message << '\n';
}

// The stand-in editor holding the design open. A design it refuses (a text
// too long for its DBX field, an id used twice) is named in the message.
std::unique_ptr<design::StandInEditor> OpenDesign(const std::string& designFile)
{
    design::LoadedDesign loaded = design::LoadDesignFile(designFile);
    for (const std::string& warning : loaded.warnings)
        Complain("warning: " + warning);
    try {
        return std::make_unique<design::StandInEditor>(std::move(loaded.design));
    } catch (const DesignError& refused) {
        throw DesignError(designFile + ": " + refused.what());
    }
}

// The window's start-up: the design open in the editor, its layers listed,
// the saved layer order taken over when the design's folder has one.
std::vector<std::string> LayerList(dbx::Dbx& editor, dbx::DbxContext& context, const dbx::DesignInfo& info)
{
    std::vector<std::string> layers = exporter::FillLayerList(editor, context);
    const exporter::DesignNames names = exporter::DeriveDesignNames(dbx::TrimNull(info.designFile.field()));
    if (std::optional<std::vector<std::string>> saved = exporter::ReadSettingsFile(names.folder))
        layers = std::move(*saved);
    return layers;
}

int Export(const Options& options)
{
    exporter::ExportChoices choices;
    choices.units = options.units == "mm" ? exporter::Units::Millimetres : exporter::Units::Mils;
    choices.tie = !options.noTie;
    choices.view = options.view;
    if (options.offset)
        std::tie(choices.offsetXText, choices.offsetYText) = cli::OffsetTexts(*options.offset, choices.units);

    const std::unique_ptr<design::StandInEditor> opened = OpenDesign(options.design);
    design::StandInEditor& editor = *opened;
    dbx::DbxContext context;
    editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    dbx::DesignInfo info;
    const dbx::DbxStatus status = editor.TGetDesignInfo(context, info);
    if (status == dbx::status::kSuccess) {
        choices.layerList = LayerList(editor, context, info);
        if (options.layers)
            choices.layerList = cli::ReorderedLayers(choices.layerList, *options.layers);
    }

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
    const exporter::ExportResult result = exporter::RunExport(editor, context, status, choices, hooks);
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
    app.add_option("DESIGN", options.design, "Design file (JSON design or P-CAD ASCII PCB)")->required();
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
        return Export(options);
    } catch (const std::exception& error) {
        // A design that does not load, a bad option value, an unreadable
        // settings file.
        Complain(error.what());
        return 1;
    }
}
