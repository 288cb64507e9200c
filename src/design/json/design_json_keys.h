#pragma once

#include <cstdint>
#include <string_view>

namespace nodewick::design {

// The keys a JSON design file uses. The reader turns each key into one of
// these once, when the parser hands it over, so that looking members up and
// finding repeated keys costs no string comparisons.
enum class DesignKey : std::uint8_t {
    Attributes,
    Components,
    DrawingNumber,
    End,
    Engineer,
    Flip,
    Height,
    Hole,
    Id,
    Items,
    Layer,
    Layers,
    Name,
    Nets,
    NodewickDesign,
    Nodes,
    PadCount,
    PadStyle,
    PadStyles,
    Path,
    Pin,
    Plated,
    RefDes,
    Revision,
    Rotation,
    Shapes,
    Side,
    Start,
    Status,
    Title,
    Type,
    Value,
    ViaStyle,
    ViaStyles,
    Width,
    X,
    Y,
    Other,  // any key the format does not define
};

DesignKey FindDesignKey(std::string_view name) noexcept;
std::string_view DesignKeyName(DesignKey key) noexcept;

}  // namespace nodewick::design
