#pragma once

#include <filesystem>
#include <string>

#include "netlist.h"

namespace nodewick::check {

// Reads a whole IPC-D-356 or IPC-D-356A netlist from its text, with LF or
// CR LF line ends, and checks the file as a whole: lines of at most 80
// columns, comment, parameter, test and end records only, the parameters
// stated once and not contradicted, every alias declared by its "P" line
// before a record uses it and declared once, the end record 999 last, no two
// nets at one place and side (CheckPlaces). Every
// fault is a finding of the result; reading never stops at one.
Netlist ReadNetlist(std::string text);

// The same from a file. Throws nodewick::FileError when it cannot be read.
Netlist ReadNetlistFile(const std::filesystem::path& file);

}  // namespace nodewick::check
