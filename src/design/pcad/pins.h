#pragma once

#include <string>

#include "design/pcad/library.h"

namespace nodewick::design::pcad {

// The pin map of a component definition that belongs to a placed pattern:
// the attached pattern named like the pattern's library name (or its
// instance name), else the first one; nothing when the definition has none.
const AttachedPattern* ChoosePinMap(const CompDef& compDef, const PatternDef& pattern) noexcept;

// A pad's pin designator: from the component definition's pin map when it
// maps the pad number, else the pad's default pin designator, else the pad
// number itself.
std::string PinOfPad(const PatternPad& pad, const AttachedPattern* pinMap);

}  // namespace nodewick::design::pcad
