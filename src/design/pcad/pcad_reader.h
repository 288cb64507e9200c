#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "design/design_file.h"

namespace nodewick::design {

// True when a file's first bytes are those of a P-CAD ASCII file
// (ACCEL_ASCII, PCAD_ASCII or TangoPRO_ASCII).
bool IsPcadAsciiText(std::string_view firstBytes) noexcept;

// Reads a P-CAD ASCII PCB file into the design database. Design text 1 is the
// real path of the file, so the netlist is written beside it. A malformed file
// throws DesignError naming the file, the line and the element; things
// that are merely unusual are skipped and listed in the warnings.
LoadedDesign ReadPcadDesign(const std::filesystem::path& file);

// The same from text already in memory. `fileName` names the file in
// messages; `designPath` becomes design text 1 and must fit its 100 bytes.
LoadedDesign ReadPcadText(std::string_view text, const std::string& fileName, const std::string& designPath);

}  // namespace nodewick::design
