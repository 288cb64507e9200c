#pragma once

#include "design_points.h"
#include "netlist.h"

namespace nodewick::check {

// Compares a netlist with the test points of its design and adds a finding
// to the netlist for every difference:
// - a pad or via with no record within one output unit of its place (the
//   design's place plus the offset the netlist states, in its units);
// - a record on another side than its pad or via, or of another kind
//   (drilled or surface);
// - a record with no pad or via at its place;
// - a design net whose test points the netlist spreads over several nets,
//   and a netlist net that joins design nets that are not tied together.
// Net names are not compared: a netlist from another tool may name its nets
// as it likes, as long as they part the test points the same way.
void CompareWithDesign(Netlist& netlist, const DesignPoints& design);

}  // namespace nodewick::check
