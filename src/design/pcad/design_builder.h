#pragma once

#include "design/design.h"
#include "design/pcad/board.h"
#include "design/pcad/library.h"
#include "design/pcad/netlist.h"
#include "design/pcad/reporter.h"

namespace nodewick::design::pcad {

// Turns what was read into the design database, in the orders DBX delivers:
// layers, nets and parts in file order; a net's nodes are the pads named by
// its (node ...) entries in that order, then the free pads on it in board
// order; its items are its vias in board order. Design text 1 is left to the
// caller, which knows the file's real path.
Design BuildDesign(const Library& library, const Netlist& netlist, const Board& board, Reporter& reporter);

}  // namespace nodewick::design::pcad
