#pragma once

#include <cstdint>
#include <string_view>

#include "dbx_status.h"
#include "records.h"

namespace nodewick::dbx {

// The DBX interface version and design type the program opens the
// conversation with.
inline constexpr std::int32_t kDbxVersion = 16000;
inline constexpr std::string_view kDesignTypePcb = "PCB";

// The conversation context TOpenDesign fills and every later call passes.
struct DbxContext {
    std::int32_t handle = 0;
};

// The DBX operations the program calls, with DBX's names and arguments. Every
// call returns a status; records are filled only on success. An enumeration
// (first, then next) ends with a non-zero status. A net-node or net-item walk
// keeps its position across the net, attribute, style and shape calls made
// between its steps.
class Dbx {
public:
    virtual ~Dbx() = default;

    virtual DbxStatus TOpenDesign(std::int32_t language, std::int32_t version, std::string_view designType,
                                  DbxContext& context) = 0;
    virtual DbxStatus TCloseDesign(DbxContext& context, std::string_view text) = 0;
    virtual DbxStatus TGetDesignInfo(DbxContext& context, DesignInfo& info) = 0;

    virtual DbxStatus TGetFirstLayer(DbxContext& context, LayerRecord& layer) = 0;
    virtual DbxStatus TGetNextLayer(DbxContext& context, LayerRecord& layer) = 0;

    virtual DbxStatus TGetFirstNet(DbxContext& context, NetRecord& net) = 0;
    virtual DbxStatus TGetNextNet(DbxContext& context, NetRecord& net) = 0;
    virtual DbxStatus TGetNetById(DbxContext& context, std::int32_t netId, NetRecord& net) = 0;

    virtual DbxStatus TGetFirstNetNode(DbxContext& context, std::int32_t netId, ItemRecord& node) = 0;
    virtual DbxStatus TGetNextNetNode(DbxContext& context, ItemRecord& node) = 0;
    virtual DbxStatus TGetFirstNetItem(DbxContext& context, std::int32_t netId, ItemRecord& item) = 0;
    virtual DbxStatus TGetNextNetItem(DbxContext& context, ItemRecord& item) = 0;

    virtual DbxStatus TGetFirstComponent(DbxContext& context, ComponentRecord& component) = 0;
    virtual DbxStatus TGetNextComponent(DbxContext& context, ComponentRecord& component) = 0;

    virtual DbxStatus TGetFirstNetAttribute(DbxContext& context, std::int32_t netId, AttrRecord& attribute) = 0;

    virtual DbxStatus TGetPadStyle(DbxContext& context, std::int32_t styleId, PadViaStyle& style) = 0;
    virtual DbxStatus TGetViaStyle(DbxContext& context, std::int32_t styleId, PadViaStyle& style) = 0;
    virtual DbxStatus TGetPadShapeByLayer(DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                          ShapeRecord& shape) = 0;
    virtual DbxStatus TGetViaShapeByLayer(DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                          ShapeRecord& shape) = 0;
};

}  // namespace nodewick::dbx
