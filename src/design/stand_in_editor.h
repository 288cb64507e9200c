#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "design/design.h"
#include "dbx/dbx.h"

namespace nodewick::design {

// Answers the DBX operations from an in-memory design, the way the PCB editor
// would with that design open. Without a design it behaves like an editor that
// is not running: TOpenDesign gives "Connection Error" and every later call
// "No Connection".
//
// Every call takes constant time: nets, styles and layers are indexed by id
// once, when the editor is made. A design whose texts do not fit their DBX
// fields, or whose ids repeat, is refused with nodewick::DesignError.
class StandInEditor final : public dbx::Dbx {
public:
    explicit StandInEditor(std::optional<Design> design);

    dbx::DbxStatus TOpenDesign(std::int32_t language, std::int32_t version, std::string_view designType,
                               dbx::DbxContext& context) override;
    dbx::DbxStatus TCloseDesign(dbx::DbxContext& context, std::string_view text) override;
    dbx::DbxStatus TGetDesignInfo(dbx::DbxContext& context, dbx::DesignInfo& info) override;
    dbx::DbxStatus TGetFirstLayer(dbx::DbxContext& context, dbx::LayerRecord& layer) override;
    dbx::DbxStatus TGetNextLayer(dbx::DbxContext& context, dbx::LayerRecord& layer) override;
    dbx::DbxStatus TGetFirstNet(dbx::DbxContext& context, dbx::NetRecord& net) override;
    dbx::DbxStatus TGetNextNet(dbx::DbxContext& context, dbx::NetRecord& net) override;
    dbx::DbxStatus TGetNetById(dbx::DbxContext& context, std::int32_t netId, dbx::NetRecord& net) override;
    dbx::DbxStatus TGetFirstNetNode(dbx::DbxContext& context, std::int32_t netId, dbx::ItemRecord& node) override;
    dbx::DbxStatus TGetNextNetNode(dbx::DbxContext& context, dbx::ItemRecord& node) override;
    dbx::DbxStatus TGetFirstNetItem(dbx::DbxContext& context, std::int32_t netId, dbx::ItemRecord& item) override;
    dbx::DbxStatus TGetNextNetItem(dbx::DbxContext& context, dbx::ItemRecord& item) override;
    dbx::DbxStatus TGetFirstComponent(dbx::DbxContext& context, dbx::ComponentRecord& component) override;
    dbx::DbxStatus TGetNextComponent(dbx::DbxContext& context, dbx::ComponentRecord& component) override;
    dbx::DbxStatus TGetFirstNetAttribute(dbx::DbxContext& context, std::int32_t netId,
                                         dbx::AttrRecord& attribute) override;
    dbx::DbxStatus TGetPadStyle(dbx::DbxContext& context, std::int32_t styleId, dbx::PadViaStyle& style) override;
    dbx::DbxStatus TGetViaStyle(dbx::DbxContext& context, std::int32_t styleId, dbx::PadViaStyle& style) override;
    dbx::DbxStatus TGetPadShapeByLayer(dbx::DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                       dbx::ShapeRecord& shape) override;
    dbx::DbxStatus TGetViaShapeByLayer(dbx::DbxContext& context, std::int32_t styleId, std::int32_t layerId,
                                       dbx::ShapeRecord& shape) override;

private:
    // Where a net-node or net-item walk stands: the net and the index of the
    // entry the next call delivers.
    struct NetWalk {
        std::size_t net = 0;
        std::size_t next = 0;
    };

    // Ids to places: a plain array when the ids are dense (as they are for
    // nets numbered 1, 2, 3, ...), a hash map otherwise.
    class IdIndex {
    public:
        IdIndex() = default;
        explicit IdIndex(std::unordered_map<std::int32_t, std::size_t> map);
        const std::size_t* find(std::int32_t id) const noexcept
        {
            if (dense_) {
                const auto slot = static_cast<std::uint64_t>(static_cast<std::int64_t>(id) - base_);
                return slot < slots_.size() && slots_[slot] != kNone ? &slots_[slot] : nullptr;
            }
            const auto found = map_.find(id);
            return found == map_.end() ? nullptr : &found->second;
        }

    private:
        static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        bool dense_ = false;
        std::int64_t base_ = 0;
        std::vector<std::size_t> slots_;
        std::unordered_map<std::int32_t, std::size_t> map_;
    };

    // The status an operation gives before it looks at the design: "No
    // Connection" outside an open conversation, else the status the design
    // forces on it, else 0.
    dbx::DbxStatus gate(Operation operation) const;

    std::optional<Design> design_;
    bool connected_ = false;
    std::array<std::optional<dbx::DbxStatus>, kOperationCount> forced_{};

    IdIndex netById_;
    IdIndex padStyleById_;
    IdIndex viaStyleById_;
    std::unordered_map<std::int32_t, std::int32_t> layerTypeById_;

    // Each walk has its own position; nothing until its first call.
    std::optional<std::size_t> nextLayer_;
    std::optional<std::size_t> nextNet_;
    std::optional<std::size_t> nextComponent_;
    std::optional<NetWalk> nodeWalk_;
    std::optional<NetWalk> itemWalk_;
};

}  // namespace nodewick::design
