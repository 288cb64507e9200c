#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "design/pcad/pcad_reader.h"

namespace nodewick::design::pcad::test {

// A small P-CAD file around the given pieces: a header in mil, a library with
// the surface pad style "SMD" (20 x 60 mil on Top), the via style "V" and the
// two-pad pattern "CHIP_1" (pad 1 at (-50, 0), pad 2 at (50, 0)) with its
// component definition "CHIP_1" (pins "A" and "B"), the part R1 placed at
// (1000, 1000), and the net "N1" with both its pins.
struct BoardPieces {
    std::string library{};     // more library forms
    std::string netlist{};     // more netlist forms
    std::string multiLayer{};  // more board items
    std::string header = "(asciiHeader (fileUnits Mil))";
};

std::string PcadText(const BoardPieces& pieces);

// Reads text as the file "test.pcb" at the design path "/boards/test.pcb".
LoadedDesign ReadText(std::string_view text);

// The message of the DesignError that reading the text throws, or an
// empty text when it loads.
std::string LoadError(std::string_view text);

// "line N", N being the line of the text on which `needle` first appears:
// where an error about that element must point.
std::string LineOf(std::string_view text, std::string_view needle);

// The test process's own folder under the system's temporary folder, removed
// when the process ends. Each test runs as a process of its own, side by side
// with others, so no two may share scratch files.
std::filesystem::path ScratchRoot();

// A fresh, empty folder of the test's own in ScratchRoot().
std::filesystem::path ScratchFolder(std::string_view name);

} // namespace nodewick::design::pcad::test
