#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dbx/dbx_status.h"

// The in-memory design database behind the stand-in editor: what a design
// file (JSON or P-CAD ASCII) holds, in the orders DBX delivers it. Texts are
// single-byte Windows-1252; lengths and coordinates are database units
// (0.01 micrometre); rotations are tenths of a degree.
namespace nodewick::design {

struct Layer {
    std::int32_t id = 0;
    std::string name{};
    std::int32_t type = 0;  // 0 signal, 1 plane, 2 non-signal
};

// The copper of a style on one layer, by layer id.
struct LayerShape {
    std::int32_t layerId = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The copper of a style on every layer of one layer type, used where the style
// has no entry for the layer id itself.
struct LayerTypeShape {
    std::int32_t layerType = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct Style {
    std::int32_t id = 0;
    std::string name{};
    std::int32_t hole = 0;
    std::int32_t startLayer = 0;
    std::int32_t endLayer = 0;
    bool plated = true;  // the hole's wall is plated through
    std::vector<LayerShape> shapes{};
    std::vector<LayerTypeShape> typeShapes{};
};

struct Component {
    std::string refDes{};
    std::int32_t side = 0;  // 0 top, otherwise bottom
    std::int32_t padCount = 0;
};

struct Attribute {
    std::string name{};
    std::string value{};
};

// A net node: a pad of a component, or a free pad (empty refDes).
struct Node {
    std::string refDes{};
    std::string pin{};
    std::int32_t padStyle = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t flip = 0;
    std::int32_t rotation = 0;
    std::int32_t componentSide = 0;  // side of the pad's component, 0 for a free pad
};

// A net item. Only vias (type 4) carry data of their own; other items take
// their place in the item walk.
struct Item {
    std::int32_t type = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t viaStyle = 0;
    std::int32_t rotation = 0;
    std::int32_t flip = 0;
};

struct Net {
    std::int32_t id = 0;
    std::string name{};
    std::vector<Attribute> attributes{};
    std::vector<Node> nodes{};
    std::vector<Item> items{};
};

// The DBX operations whose status a design can force, for trying out
// failures: listed once here, for the enumeration and for their names.
#define NODEWICK_FORCEABLE_OPERATIONS(X)                                                                               \
    X(TOpenDesign)                                                                                                     \
    X(TCloseDesign)                                                                                                    \
    X(TGetDesignInfo) X(TGetFirstLayer) X(TGetNextLayer) X(TGetFirstNet) X(TGetNextNet) X(TGetNetById)                 \
        X(TGetFirstNetNode) X(TGetNextNetNode) X(TGetFirstNetItem) X(TGetNextNetItem) X(TGetFirstComponent)            \
            X(TGetNextComponent) X(TGetFirstNetAttribute) X(TGetPadStyle) X(TGetViaStyle) X(TGetPadShapeByLayer)       \
                X(TGetViaShapeByLayer)

#define NODEWICK_OPERATION_ENUMERATOR(name) name,
enum class Operation { NODEWICK_FORCEABLE_OPERATIONS(NODEWICK_OPERATION_ENUMERATOR) };
#undef NODEWICK_OPERATION_ENUMERATOR

#define NODEWICK_OPERATION_NAME(name) #name,
// The operations' names, in the order of Operation.
inline constexpr std::string_view kOperationNames[] = {NODEWICK_FORCEABLE_OPERATIONS(NODEWICK_OPERATION_NAME)};
#undef NODEWICK_OPERATION_NAME

inline constexpr std::size_t kOperationCount = std::size(kOperationNames);

struct ForcedStatus {
    Operation operation;
    dbx::DbxStatus status;
};

struct Design {
    // Design texts 1 (path), 2, 3, 4 and 7.
    std::string path{};
    std::string title{};
    std::string engineer{};
    std::string revision{};
    std::string drawingNumber{};

    std::vector<Layer> layers{};
    std::vector<Style> padStyles{};
    std::vector<Style> viaStyles{};
    std::vector<Component> components{};
    std::vector<Net> nets{};
    std::vector<ForcedStatus> forcedStatuses{};
};

}  // namespace nodewick::design
