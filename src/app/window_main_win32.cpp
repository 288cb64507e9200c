// nodewick.exe [--dbx PATH] [DESIGN]: the window on Windows. Without DESIGN
// it reads the design open in P-CAD through dbx32.dll (beside the program,
// on the search path, or PATH); with DESIGN the stand-in editor holds that
// file open. --screenshot FILE saves a picture of the window and ends.

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "dbx/dbx_library.h"
#include "start/start_up.h"
#include "ui/win32/win32_services.h"
#include "ui/win32/win32_window.h"
#include "window_screenshot.h"

namespace {

using namespace nodewick;

struct Arguments {
    std::string design;
    std::string dbxLibrary;
    std::string screenshot;
};

std::optional<Arguments> ParseArguments(int argc, char** argv)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--dbx" || argument == "--screenshot") && i + 1 < argc)
            (argument == "--dbx" ? arguments.dbxLibrary : arguments.screenshot) = argv[++i];
        else if (!argument.empty() && argument.front() != '-' && arguments.design.empty())
            arguments.design = argument;
        else
            return std::nullopt;
    }
    return arguments;
}

// The editor the window talks to, and what it should say first: a design
// file that did not load, or a DBX library that is not there, starts the
// window as with no design open.
std::unique_ptr<dbx::Dbx> OpenEditor(const Arguments& arguments, std::vector<std::string>& notes)
{
    try {
        if (arguments.design.empty())
            return std::make_unique<dbx::DbxLibrary>(arguments.dbxLibrary);
        start::StandIn standIn = start::OpenStandIn(arguments.design);
        notes = std::move(standIn.warnings);
        return std::move(standIn.editor);
    } catch (const std::exception& error) {
        notes.push_back(error.what());
        return std::make_unique<design::StandInEditor>(std::nullopt);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Arguments> arguments = ParseArguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: nodewick [--dbx PATH] [--screenshot FILE] [DESIGN]\n";
        return 2;
    }
    std::vector<std::string> notes;
    const std::unique_ptr<dbx::Dbx> editor = OpenEditor(*arguments, notes);
    ui::win32::Win32Pcad window(*editor, ui::win32::Win32Services(), notes);
    window.show();
    if (!arguments->screenshot.empty())
        return app::SaveScreenshot(window.find("Pcad"), arguments->screenshot) ? 0 : 1;
    return ui::win32::Win32Pcad::RunMessageLoop(window);
}
