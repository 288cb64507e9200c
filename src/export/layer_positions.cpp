#include "layer_positions.h"

#include "layer_list.h"

namespace nodewick::exporter {

LayerPositions::LayerPositions(const std::vector<std::string>& layerEntries)
    : count_(static_cast<std::int64_t>(layerEntries.size()))
{
    std::int64_t position = 0;
    for (const std::string& entry : layerEntries) {
        ++position;
        if (const std::optional<std::int32_t> id = LayerIdOf(entry))
            positionById_[*id] = position;
    }
}

std::optional<std::int64_t> LayerPositions::of(std::int32_t layerId) const
{
    const auto found = positionById_.find(layerId);
    if (found == positionById_.end())
        return std::nullopt;
    return found->second;
}

}  // namespace nodewick::exporter
