#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/design.h"
#include "design/pcad/document.h"
#include "design/pcad/library.h"
#include "design/pcad/reporter.h"
#include "design/pcad/values.h"

namespace nodewick::design::pcad {

// The title block fields the design record reports.
struct DesignFields {
    std::string title;
    std::string author;
    std::string revision;
    std::string drawingNumber;
};

// A placed part: (pattern (patternRef ...) (refDesRef ...) (pt x y) ...).
struct Placement {
    std::string refDes;
    std::size_t pattern = 0;   // index into Library::patterns
    std::size_t graphics = 0;  // index into that pattern's graphics
    ItemPlace place;           // flipped: placed on the bottom side
    std::uint32_t line = 0;
};

// A pad placed on the board by itself, already at its board position.
struct FreePad {
    PatternPad pad;
    std::optional<std::string> netName;
    std::uint32_t line = 0;
};

struct Board {
    DesignFields fields;
    std::vector<Layer> layers;  // in file order
    std::vector<Placement> placements;
    std::vector<FreePad> freePads;
    std::vector<PatternVia> vias;  // the board's own, at their board places
};

// Reads the pcbDesign forms. A placement of an undefined pattern or a via of
// an undefined via style is an error.
Board ReadBoard(const std::vector<ListView>& designForms, Library& library, Unit fileUnit, Reporter& reporter);

}  // namespace nodewick::design::pcad
