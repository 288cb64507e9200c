#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "design.h"
#include "dbx.h"

namespace nodewick::dbx {

// Answers the DBX operations from an in-memory design, the way the PCB editor
// would with that design open. Without a design it behaves like an editor that
// is not running: TOpenDesign gives "Connection Error" and every later call
// "No Connection".
//
// Every call takes constant time: nets, styles and layers are indexed by id
// once, when the editor is made. A design whose texts do not fit their DBX
// fields, or whose ids repeat, is refused with std::invalid_argument.
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
    // Where a net-node or net-item walk stands: the net and the index of the
    // entry the next call delivers.
    struct NetWalk {
        std::size_t net = 0;
        std::size_t next = 0;
    };

    static constexpr std::size_t kOperationCount = static_cast<std::size_t>(Operation::TGetViaShapeByLayer) + 1;
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
    DbxStatus gate(Operation operation) const;

    std::optional<Design> design_;
    bool connected_ = false;
    std::array<std::optional<DbxStatus>, kOperationCount> forced_{};

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

} // namespace nodewick::dbx
