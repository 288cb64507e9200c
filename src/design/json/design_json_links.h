#pragma once

#include <string>
#include <vector>

#include "design/design.h"

namespace nodewick::design {

// Checks what the parts of a design read from a JSON design file refer to,
// once the whole file is read (the file may list nets before the styles and
// components they use), and fills in what follows from those references:
// - ids are unique among layers, pad styles, via styles and nets, reference
//   designators among components;
// - a style's hole span and shapes name existing layers, one shape per layer;
// - a node names an existing pad style and, unless it is a free pad, an
//   existing component, whose side becomes the node's component side;
// - a via names an existing via style;
// - a component without "padCount" (padCountGiven false) gets the number of
//   nodes that name it.
// Throws DesignError naming `fileName` and the JSON path of the first
// fault.
void LinkJsonDesign(Design& design, const std::vector<bool>& padCountGiven, const std::string& fileName);

}  // namespace nodewick::design
