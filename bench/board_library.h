#pragma once

#include <cstdint>
#include <vector>

#include "synthetic_board.h"

// The fixed part of every synthetic board: a six-layer stack, the pad and via
// styles, and the footprints the components are placed from.
namespace nodewick::bench {

// Pad style ids: their places in PadStyles().
enum PadStyleId : std::int32_t {
    kSmd0402,
    kSmd0603,
    kSmd0805,
    kSmdSot,
    kSmdSoic,
    kSmdFinePitch,
    kSmdBga,
    kSmdEdgeFinger,
    kSmdTestPoint,
    kSmdMilSized,
    kThRound,
    kThSquare,
    kThPressFit,
    kThMounting,
};

// Via style ids: their places in ViaStyles().
enum ViaStyleId : std::int32_t {
    kViaThrough,
    kViaThroughSmall,
    kViaThroughMil,
    kViaBlindTop,
    kViaBlindBottom,
    kViaBuried,
    kViaSurface,
};

// Inner layer ids; P-CAD gives user layers ids of their own, not 3, 4, ...
inline constexpr std::int32_t kLayerTop = 1;
inline constexpr std::int32_t kLayerBottom = 2;
inline constexpr std::int32_t kLayerInner1 = 30;
inline constexpr std::int32_t kLayerGroundPlane = 31;
inline constexpr std::int32_t kLayerPowerPlane = 32;
inline constexpr std::int32_t kLayerInner4 = 33;

std::vector<design::Layer> BoardLayers();
std::vector<SynthStyle> PadStyles();
std::vector<SynthStyle> ViaStyles();

// The footprints, and how often each is placed (weights in hundredths).
struct PackageChoice {
    Package package;
    std::uint32_t weight = 0;
    std::uint32_t bottomPerMille = 0;  // chance of a placement on the bottom side
};
std::vector<PackageChoice> PackageChoices();

}  // namespace nodewick::bench
