#pragma once

#include <cstdint>

#include "design/pcad/reporter.h"

namespace nodewick::design::pcad {

// A point in unrounded database units, Y up as in P-CAD.
struct Point {
    double x = 0.0;
    double y = 0.0;
};

// How a part sits on the board: its origin, its counter-clockwise rotation in
// degrees, and whether it is flipped to the bottom side.
struct PartFrame {
    Point origin;
    double rotation = 0.0;
    bool flipped = false;
};

// Where a pattern point lands on the board: rotated counter-clockwise about
// the pattern origin, then mirrored in X when the part is flipped, then moved
// to the part's origin. Quarter turns are exact.
Point PlaceOnBoard(Point local, const PartFrame& part) noexcept;

// A component pad as the design database reports it.
struct BoardPad {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t rotation = 0;  // tenths of a degree, [0, 3600)
    std::int32_t flip = 0;      // 1: the pad's copper is on the bottom side
};

// A pad's board record. Its side is the part's side, switched when the pad
// itself is flipped within its pattern. Its rotation is the part's rotation
// plus the pad's own, for flipped parts too (together with the flip flag that
// is how P-CAD states the angle of a mirrored object). The position is
// rounded once, at the end.
BoardPad PlacePad(Point local, double padRotation, bool padFlipped, const PartFrame& part, std::uint32_t line,
                  const Reporter& reporter);

}  // namespace nodewick::design::pcad
