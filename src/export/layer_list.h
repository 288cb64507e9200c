#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dbx/dbx.h"

namespace nodewick::exporter {

// Layers of type 0 (signal) and 1 (plane) are listed and counted; other
// layers carry no copper a tester reaches.
constexpr bool IsListedLayerType(std::int32_t layerType) noexcept
{
    return layerType == 0 || layerType == 1;
}

// A layer entry: the layer name, exactly three spaces, the layer id in decimal.
std::string LayerEntry(const std::string& layerName, std::int32_t layerId);

// The layer id an entry names: the whole decimal number after its last space
// (the whole entry when it holds no space). Nothing when that text is not a
// number, as in a blank line of a hand-edited settings file: such an entry
// matches no layer.
std::optional<std::int32_t> LayerIdOf(std::string_view entry) noexcept;

// The layer name of an entry: the text before the spaces that precede its id.
std::string_view LayerNameOf(std::string_view entry) noexcept;

// The entries of the design's layers of type 0 or 1, in DBX order.
std::vector<std::string> FillLayerList(dbx::Dbx& dbx, dbx::DbxContext& context);

// The via style names, asked by ids 0, 1, 2, ... until a call fails.
std::vector<std::string> FillViaStyleList(dbx::Dbx& dbx, dbx::DbxContext& context);

}  // namespace nodewick::exporter
