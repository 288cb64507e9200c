#pragma once

#include <cstddef>
#include <optional>

#include "design.h"
#include "dbx.h"

namespace nodewick::dbx {

// Answers the DBX operations from an in-memory design, the way the PCB editor
// would with that design open. Without a design it behaves like an editor that
// is not running: TOpenDesign gives "Connection Error" and every later call
// "No Connection".
class StandInEditor final : public Dbx {
public:
    explicit StandInEditor(std::optional<Design> design);

    DbxStatus TOpenDesign(std::int32_t language, std::int32_t version, std::string_view designType,
                          DbxContext& context) override;
    DbxStatus TCloseDesign(DbxContext& context, std::string_view text) override;
    DbxStatus TGetDesignInfo(DbxContext& context, DesignInfo& info) override;
    DbxStatus TGetFirstLayer(DbxContext& context, LayerRecord& layer) override;
    DbxStatus TGetNextLayer(DbxContext& context, LayerRecord& layer) override;
    DbxStatus TGetFirstNet(DbxContext& context, NetRecord& net) override;
    DbxStatus TGetNextNet(DbxContext& context, NetRecord& net) override;
    DbxStatus TGetNetById(DbxContext& context, std::int32_t netId, NetRecord& net) override;
    DbxStatus TGetFirstNetNode(DbxContext& context, std::int32_t netId, ItemRecord& node) override;
    DbxStatus TGetNextNetNode(DbxContext& context, ItemRecord& node) override;
    DbxStatus TGetFirstNetItem(DbxContext& context, std::int32_t netId, ItemRecord& item) override;
    DbxStatus TGetNextNetItem(DbxContext& context, ItemRecord& item) override;
    DbxStatus TGetFirstComponent(DbxContext& context, ComponentRecord& component) override;
    DbxStatus TGetNextComponent(DbxContext& context, ComponentRecord& component) override;
    DbxStatus TGetFirstNetAttribute(DbxContext& context, std::int32_t netId, AttrRecord& attribute) override;
    DbxStatus TGetPadStyle(DbxContext& context, std::int32_t styleId, PadViaStyle& style) override;
    DbxStatus TGetViaStyle(DbxContext& context, std::int32_t styleId, PadViaStyle& style) override;
    DbxStatus TGetPadShapeByLayer(DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                  ShapeRecord& shape) override;
    DbxStatus TGetViaShapeByLayer(DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                  ShapeRecord& shape) override;

private:
    // Implementation details (indexes by id, walk positions, forced statuses)
    // belong to the implementation.
};

} // namespace nodewick::dbx
