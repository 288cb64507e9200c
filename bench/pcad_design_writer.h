#pragma once

#include <cstdint>
#include <filesystem>

#include "synthetic_board.h"

namespace nodewick::bench {

enum class PcadUnits { Millimetres, Mils };

// Writes the board as a P-CAD ASCII PCB file (ACCEL_ASCII): a library with the
// pad and via styles, footprints and component definitions, a netlist with the
// component instances and the nets' nodes, and the PCB design with its layers,
// placed footprints, free pads and vias. Bare numbers are in `units`; a few
// style sizes carry a unit of their own, as Altium's exports do. Streamed;
// returns the file size. Throws std::runtime_error.
std::uintmax_t WritePcadDesign(const SyntheticBoard& board, PcadUnits units, const std::filesystem::path& file);

}  // namespace nodewick::bench
