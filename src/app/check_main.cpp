// nodewick-check NETLIST [DESIGN]: checks an IPC-D-356 or IPC-D-356A netlist,
// alone for its format, with its design also against the board's pads and
// vias, and draws its test points when asked.

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>

#include "base/error.h"
#include "check/design_compare.h"
#include "check/design_points.h"
#include "check/netlist_reader.h"
#include "check/plot_file.h"
#include "check/report.h"
#include "dbx/status_text.h"
#include "start/start_up.h"

namespace {

using namespace nodewick;

constexpr std::string_view kProgram = "nodewick-check";

// Exit codes: clean, findings, and a check that could not be made (a usage
// error, a netlist or design that cannot be read, a picture not written).
constexpr int kClean = 0;
constexpr int kFindings = 1;
constexpr int kCannotCheck = 2;

struct Options {
    std::string netlist;
    std::optional<std::string> design;
    bool json = false;
    std::optional<std::string> plot;
    std::optional<std::string> net;
};

// The design opened as the exporter opens it, and its test points read
// through DBX.
check::DesignPoints ReadDesign(const std::string& designFile, check::NetlistUnits units)
{
    start::Started started = start::StartUp(designFile);
    for (const std::string& warning : started.conversation.warnings)
        std::cerr << kProgram << ": warning: " << warning << '\n';
    if (started.conversation.status != dbx::status::kSuccess)
        throw DesignError(designFile + ": " + dbx::StatusText(started.conversation.status));
    check::DesignPoints points = check::ReadDesignPoints(*started.editor, started.conversation.context, units);
    started.editor->TCloseDesign(started.conversation.context, "");
    return points;
}

std::string Summary(const check::Netlist& netlist, const Options& options)
{
    const std::size_t errors = netlist.findings.count(check::Severity::Error);
    const std::size_t warnings = netlist.findings.count(check::Severity::Warning);
    std::string summary = options.netlist + ": " + std::to_string(netlist.records.size()) + " test records, " +
        std::to_string(netlist.netNames.size()) + " nets";
    if (options.design)
        summary += ", checked against " + *options.design;
    if (errors == 0 && warnings == 0)
        return summary + ": no findings";
    return summary + ": " + std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") +
        std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
}

int Check(const Options& options)
{
    check::Netlist netlist = check::ReadNetlistFile(options.netlist);
    if (options.design)
        check::CompareWithDesign(netlist, ReadDesign(*options.design, netlist.unitsOrInch()));
    if (options.plot)
        check::WritePlotFile(*options.plot, netlist, {.title = options.netlist, .highlight = options.net});
    if (options.json) {
        std::cout << check::FindingsJson(netlist, options.netlist);
    } else {
        std::cout << check::FindingsText(netlist.findings, options.netlist);
        std::cout << Summary(netlist, options) << '\n';
    }
    return netlist.findings.empty() ? kClean : kFindings;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    CLI::App app("Checks an IPC-D-356 or IPC-D-356A test netlist: its format, and with the design also every pad and "
                 "via of the board against its test record.\n"
                 "Exit status: 0 no findings, 1 findings, 2 the check could not be made.",
                 std::string(kProgram));
    app.set_version_flag("--version", std::string(kProgram) + " " + NODEWICK_VERSION);
    app.add_option("NETLIST", options.netlist, "The netlist to check")->required();
    app.add_option("DESIGN", options.design, "Its design file (JSON design or P-CAD ASCII PCB)");
    app.add_flag("--json", options.json, "Write the findings as JSON");
    app.add_option("--plot", options.plot, "Draw the test points, top and bottom side, into this SVG file");
    app.add_option("--net", options.net, "Highlight this net in the picture")->needs("--plot");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? kClean : kCannotCheck;
    }
    try {
        return Check(options);
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kCannotCheck;
    }
}
