#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace nodewick::exporter {

// A layer's position in the export's layer list, counted from 1: the number a
// blind or buried via's layer range and the access codes use. Built once per
// run, so that every look-up takes constant time.
class LayerPositions {
public:
    explicit LayerPositions(const std::vector<std::string>& layerEntries);

    // The position of the entry that names this layer id; when several do,
    // the last one. Nothing when no entry names it.
    std::optional<std::int64_t> of(std::int32_t layerId) const;

    // The number of entries: the position of the last layer, the bottom side.
    std::int64_t count() const noexcept { return count_; }

private:
    std::unordered_map<std::int32_t, std::int64_t> positionById_;
    std::int64_t count_ = 0;
};

}  // namespace nodewick::exporter
