#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "design/design.h"
#include "design/pcad/document.h"
#include "design/pcad/name_index.h"
#include "design/pcad/reporter.h"

namespace nodewick::design::pcad {

// (node "R1" "2"): a pin of a part by its reference designator.
struct NodeRef {
    std::string refDes;
    std::string pin;
    std::uint32_t line = 0;
};

struct NetDef {
    std::string name;
    std::uint32_t line = 0;
    std::vector<Attribute> attributes;  // in file order; the export reads the first
    std::vector<NodeRef> nodes;
};

// The netlist section: which component definition each part uses, and the
// nets in file order (their DBX ids are 1, 2, 3, ... in that order).
struct Netlist {
    std::unordered_map<std::string, std::string> compDefOfPart;  // refdes -> compRef
    std::vector<NetDef> nets;
    NameIndex netNames;
};

Netlist ReadNetlist(const std::vector<ListView>& netlistForms, Reporter& reporter);

}  // namespace nodewick::design::pcad
