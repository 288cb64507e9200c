#include "plot_file.h"

#include <fstream>

#include "base/error.h"

namespace nodewick::check {

void WritePlotFile(const std::filesystem::path& file, const Netlist& netlist, const PlotOptions& options)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << PlotSvg(netlist, options);
    out.close();
    if (!out)
        throw FileError(file.string() + ": the picture cannot be written");
}

}  // namespace nodewick::check
