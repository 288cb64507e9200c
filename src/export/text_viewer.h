#pragma once

#include <optional>
#include <string>

namespace nodewick::exporter {

// Opens a file in the desktop's text editor: the program the environment
// variable NODEWICK_VIEWER names, else xdg-open (on Windows notepad.EXE, in a
// normal window that gets the focus). The file name is its one argument; no
// shell sees it (on Windows it is quoted on the command line), so names with
// spaces work. The editor is left running. Returns why it could not be
// started, or nothing.
std::optional<std::string> OpenInTextViewer(const std::string& path);

}  // namespace nodewick::exporter
