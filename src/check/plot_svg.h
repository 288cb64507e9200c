#pragma once

#include <optional>
#include <string>

#include "netlist.h"

namespace nodewick::check {

struct PlotOptions {
    std::string title;                     // shown above the views, the netlist's name
    std::optional<std::string> highlight;  // a net drawn strong, the others faint
};

// A picture of the netlist's test points as an SVG document: the top side
// seen from above on the left, the bottom side seen from below (mirrored
// left to right) on the right. Surface pads are drawn as their rectangles,
// drilled pads as discs, vias as rings, tooling holes as open circles; each
// net has its own colour. A dashed frame marks the extent of the test
// points, a bar below the views gives the scale. Points reached from both
// sides appear in both views; points on inner layers in neither.
std::string PlotSvg(const Netlist& netlist, const PlotOptions& options);

// The colour of net number `net`: hues spread by the golden angle, so that
// nets next to each other in the file differ clearly.
std::string NetColour(std::uint32_t net);

// The scale bar's length in netlist units: 1, 2 or 5 times a power of ten
// of the unit people measure in (a mil, a millimetre), at most a fifth of
// the given width.
std::int64_t ScaleBarLength(std::int64_t width, NetlistUnits units);

}  // namespace nodewick::check
