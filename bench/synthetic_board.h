#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "design/design.h"

// A synthetic but plausible board of a chosen size, made deterministically from
// a seed, for measuring the loaders and the export. Lengths and coordinates are
// database units (0.01 micrometre); rotations are tenths of a degree. The same
// board is written as a JSON design file or as a P-CAD ASCII file, so both
// readers can be measured on the same design.
namespace nodewick::bench {

inline constexpr std::int32_t kDbPerMm = 100000;
inline constexpr std::int32_t kDbPerMil = 2540;

struct BoardSpec {
    std::int64_t pads = 10000;  // component pads plus free pads, exactly
    std::uint64_t seed = 1;
};

struct SynthStyle {
    std::string name{};
    std::int32_t hole = 0;
    std::int32_t start = 1;
    std::int32_t end = 2;
    std::vector<design::LayerShape> shapes{};
};

// A pad of a footprint, relative to the footprint's origin.
struct PackagePad {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t style = 0;
    std::int32_t rotation = 0;
    bool flipped = false;  // copper on the other side than the component's
    std::string pin{};
};

enum class PackageKind { Resistor, Capacitor, Transistor, Chip, Connector, TestPoint, MountingHole };

struct Package {
    std::string name{};
    std::string refPrefix{};
    PackageKind kind = PackageKind::Resistor;
    std::vector<PackagePad> pads{};
};

struct Placement {
    std::uint32_t package = 0;
    std::string refDes{};
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t rotation = 0;
    bool bottom = false;
};

struct FreePad {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t style = 0;
    bool flipped = false;
};

// A net node: a pad of a placed component, or a free pad.
struct NodeRef {
    static constexpr std::uint32_t kFree = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t component = kFree;
    std::uint32_t pad = 0;  // pad of the package, or index of the free pad
};

struct SynthVia {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t style = 0;
    std::int32_t rotation = 0;
    bool flipped = false;
    std::uint8_t tracesAfter = 0;  // other net items (lines, arcs) walked after the via
};

struct SynthAttribute {
    std::string name{};
    std::string value{};
};

struct SynthNet {
    std::string name{};  // Windows-1252
    std::vector<SynthAttribute> attributes{};
    std::vector<NodeRef> nodes{};
    std::vector<SynthVia> vias{};
    std::uint8_t tracesBefore = 0;  // other net items walked before the first via
};

// Where a node lands on the board, as DBX reports the pad.
struct BoardPad {
    std::string_view refDes{};  // empty for a free pad
    std::string_view pin{};
    std::int32_t style = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t rotation = 0;
    bool flip = false;  // copper on the bottom
};

struct SyntheticBoard {
    std::string title{};
    std::string engineer{};
    std::string revision{};
    std::string drawingNumber{};

    std::vector<design::Layer> layers{};  // in stack order, as DBX lists them
    std::vector<SynthStyle> padStyles{};
    std::vector<SynthStyle> viaStyles{};
    std::vector<Package> packages{};
    std::vector<Placement> components{};
    std::vector<FreePad> freePads{};
    std::vector<SynthNet> nets{};  // net ids are 1, 2, ... in this order

    std::int64_t PadCount() const;  // component pads plus free pads
    BoardPad PadOf(NodeRef node) const;
};

SyntheticBoard GenerateBoard(const BoardSpec& spec);

// What a board holds, for the generator's report and its tests.
struct BoardCounts {
    std::int64_t pads = 0;
    std::int64_t components = 0;
    std::int64_t nodes = 0;  // pads in nets: pad test records
    std::int64_t vias = 0;   // via test records
    std::int64_t nets = 0;
    std::int64_t longNames = 0;  // nets named with 14 characters or more
    std::int64_t tieNets = 0;    // nets whose first attribute is TieNet
    std::int64_t largestNet = 0;
};

BoardCounts CountBoard(const SyntheticBoard& board);

}  // namespace nodewick::bench
