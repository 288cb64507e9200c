#pragma once

#include "netlist.h"

namespace nodewick::check {

// Two test records at one place, reached from one side, on different nets:
// the tester would probe one point for two nets. Each such record gets an
// error naming the record it collides with. Records of one net at one place
// (a via in a pad) are fine.
void CheckPlaces(Netlist& netlist);

// Whether a probe on one side can reach both test points.
bool SidesMeet(Side a, std::int32_t accessA, Side b, std::int32_t accessB) noexcept;

}  // namespace nodewick::check
