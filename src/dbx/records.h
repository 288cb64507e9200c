#pragma once

#include <cstdint>

#include "fixed_text.h"

// The records DBX fills. Lengths and coordinates are 32-bit database units
// (0.01 micrometre: 2540 per mil, 100000 per millimetre); rotations are tenths
// of a degree.
namespace nodewick::dbx {

// Item types of a net item; the export only writes vias.
inline constexpr std::int32_t kItemTypePad = 3;
inline constexpr std::int32_t kItemTypeVia = 4;

// The layer types of a layer record. A record carries the type as the number
// DBX gives; these name the numbers.
enum class LayerType : std::int32_t { Signal = 0, Plane = 1, NonSignal = 2 };

// DBX numbers the outer copper layers: the top layer 1, the bottom layer 2.
inline constexpr std::int32_t kTopLayerId = 1;
inline constexpr std::int32_t kBottomLayerId = 2;

struct DesignInfo {
    TextField designFile;     // text 1: the design file's full path
    TextField title;          // text 2
    TextField engineer;       // text 3
    TextField revision;       // text 4
    TextField drawingNumber;  // text 7
};

struct LayerRecord {
    std::int32_t layerId = 0;
    TextField layerName;
    std::int32_t layerType = 0;  // 0 signal, 1 plane, 2 non-signal
};

struct NetRecord {
    std::int32_t netId = 0;
    TextField netName;
    std::int32_t nodeCount = 0;
};

// One item of a net: a pad when it comes from the node walk, any item (vias
// among them) when it comes from the item walk.
struct ItemRecord {
    std::int32_t itemType = 0;

    struct Pad {
        TextField refDes;  // empty for a free pad
        std::int32_t padStyleId = 0;
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t flip = 0;      // 1: the pad's copper is on the bottom side
        std::int32_t rotation = 0;  // tenths of a degree
        TextField pinDes;
    } pad;

    struct Component {
        std::int32_t side = 0;  // 0 top, otherwise bottom
    } component;

    struct Via {
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t viaStyleId = 0;
        std::int32_t rotation = 0;  // tenths of a degree
        std::int32_t flip = 0;
    } via;
};

struct ComponentRecord {
    TextField refDes;
    std::int32_t padCount = 0;
    std::int32_t side = 0;  // 0 top, otherwise bottom
};

struct AttrRecord {
    TextField name;
    AttributeValueField value;
};

// A pad style or a via style.
struct PadViaStyle {
    TextField name;
    std::int32_t holeDiameter = 0;
    std::int32_t startLayer = 0;    // first layer id of the hole's span
    std::int32_t endLayer = 0;      // last layer id of the hole's span
    std::int32_t isHolePlated = 1;  // 0: the hole is not plated
};

// The copper shape of a style on one layer.
struct ShapeRecord {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

}  // namespace nodewick::dbx
