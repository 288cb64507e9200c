#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "design/design.h"
#include "design/pcad/document.h"
#include "design/pcad/name_index.h"
#include "design/pcad/reporter.h"
#include "design/pcad/values.h"

namespace nodewick::design::pcad {

// One pad of a pattern (footprint), relative to the pattern's origin.
struct PatternPad {
    std::optional<std::int32_t> padNum;
    std::int32_t styleId = 0;
    // Relative to the pattern origin; a flipped pad sits on the other side
    // than its part.
    ItemPlace place;
    std::optional<std::string> defaultPinDes;
};

// A via inside a pattern, relative to the pattern's origin. One that names a
// net is a via of that net wherever the part is placed (the thermal vias of
// a ground pad); one without a net is no test point.
struct PatternVia {
    std::int32_t styleId = 0;
    ItemPlace place;
    std::optional<std::string> netName;
    std::uint32_t line = 0;
};

// A named set of a pattern's pads and vias ("Primary").
struct PatternGraphics {
    std::string name;
    std::vector<PatternPad> pads;
    std::vector<PatternVia> vias;
};

struct PatternDef {
    std::string name;          // the instance name placements refer to
    std::string originalName;  // the library name
    std::optional<std::string> defaultGraphics;
    std::vector<PatternGraphics> graphics;
};

// A component definition's pin map for one attached pattern: the pin
// designator of each pad number.
struct AttachedPattern {
    std::string patternName;
    std::unordered_map<std::int32_t, std::string> pinOfPad;
};

struct CompDef {
    std::string name;
    std::vector<AttachedPattern> attachedPatterns;
};

// Everything of the library section the netlist needs. Style ids are dense,
// 0, 1, 2, ... in file order, pad styles and via styles counted apart.
struct Library {
    std::vector<Style> padStyles;
    std::vector<Style> viaStyles;
    NameIndex padStyleNames{NameIndex::Lookup::ExactOrIgnoringCase};
    NameIndex viaStyleNames{NameIndex::Lookup::ExactOrIgnoringCase};
    std::vector<PatternDef> patterns;
    NameIndex patternNames;
    NameIndex patternOriginalNames;
    std::vector<CompDef> compDefs;
    NameIndex compDefNames;
    // Pad styles made from via styles that pads refer to, by via style id.
    std::unordered_map<std::int32_t, std::int32_t> padStyleOfViaStyle;
};

// The DBX layer type of a layer type word: Signal 0, Plane 1, NonSignal 2.
std::optional<std::int32_t> LayerTypeCode(std::string_view word) noexcept;

// Reads a pad as patterns and the board write it: (pad (padNum 1)
// (padStyleRef "SMD") (pt x y) [(rotation r)] [(isFlipped True)]
// [(defaultPinDes "A")] ...). A style name that matches no style is an error.
PatternPad ReadPad(ListView pad, Library& library, Unit fileUnit, const Reporter& reporter);

// Reads a via as patterns and the board write it: (via (viaStyleRef "V")
// (pt x y) [(netNameRef "GND")] ...). A style name that matches no via style
// is an error.
PatternVia ReadVia(ListView via, const Library& library, Unit fileUnit, const Reporter& reporter);

// Reads the library forms in file order: styles first, so that patterns may
// name any of them, then patterns and component definitions.
Library ReadLibrary(const std::vector<ListView>& libraryForms, Unit fileUnit, Reporter& reporter);

}  // namespace nodewick::design::pcad
