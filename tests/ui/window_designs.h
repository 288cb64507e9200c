#pragma once

#include <string>

#include "design/design.h"

namespace nodewick::ui::testing {

// A design in `folder` named board.pcb with the layers Top (1, signal),
// GND (3, plane), Silk (5, non-signal), Inner (4, signal) and Bottom (2,
// signal), in that DBX order, and the via styles V20 and V30.
design::Design LayeredDesign(const std::string& folder);

// LayeredDesign with something to export: a resistor R1 on top whose two
// pads sit on the nets VCC and a long-named net, and a via on VCC.
design::Design WiredDesign(const std::string& folder);

} // namespace nodewick::ui::testing
