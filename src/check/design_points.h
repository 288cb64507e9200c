#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dbx/dbx.h"
#include "netlist.h"

// The test points a design calls for, read through DBX as the export reads
// the design: every pad of every net, and every via among a net's items.
namespace nodewick::check {

struct DesignNet {
    std::int32_t id = 0;
    std::string name;
    // The value of the net's "TieNet" attribute: nets tied together may be
    // written as one net.
    std::optional<std::string> tie;
};

enum class PointKind { Pad, Via };

struct DesignPoint {
    PointKind kind = PointKind::Pad;
    std::uint32_t net = 0;  // index into DesignPoints::nets
    std::string refDes{};   // empty for a free pad
    std::string pin{};
    std::int32_t x = 0;  // database units
    std::int32_t y = 0;
    Side side = Side::Top;
    bool drilled = false;  // a hole of at least one output unit (pads), ten (vias)
};

struct DesignPoints {
    std::vector<DesignNet> nets;
    std::vector<DesignPoint> points;
    // Layers of type 0 or 1: the bottom side's access code.
    std::int32_t listedLayers = 0;
};

// The side a probe reaches a pad from: both for a drilled pad whose hole
// spans the top layer to the bottom layer, else the side its copper lies on.
Side PadSide(bool drilled, std::int32_t startLayer, std::int32_t endLayer, std::int32_t flip) noexcept;

// A drilled via spanning top to bottom is reached from both sides, one that
// starts on the top or ends on the bottom from that side, one between inner
// layers from neither; a via without a real hole (under ten output units) is
// a surface via on the side its flip says.
Side ViaSide(bool drilled, std::int32_t startLayer, std::int32_t endLayer, std::int32_t flip) noexcept;

// Reads the open design. Holes are measured in the netlist's units, which
// decide whether a pad or via counts as drilled.
DesignPoints ReadDesignPoints(dbx::Dbx& dbx, dbx::DbxContext& context, NetlistUnits units);

}  // namespace nodewick::check
