#pragma once

#include <filesystem>

#include "netlist.h"
#include "plot_svg.h"

namespace nodewick::check {

// Writes the picture of the netlist's test points (PlotSvg) to a file,
// replacing one of that name. Throws nodewick::FileError naming the file.
void WritePlotFile(const std::filesystem::path& file, const Netlist& netlist, const PlotOptions& options);

}  // namespace nodewick::check
