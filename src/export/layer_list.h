#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dbx/dbx.h"

namespace nodewick::exporter {

// A layer entry: the layer name, exactly three spaces, the layer id in decimal.
std::string LayerEntry(const std::string& layerName, std::int32_t layerId);

// The entries of the design's layers of type 0 or 1, in DBX order.
std::vector<std::string> FillLayerList(dbx::Dbx& dbx, dbx::DbxContext& context);

// The via style names, asked by ids 0, 1, 2, ... until a call fails.
std::vector<std::string> FillViaStyleList(dbx::Dbx& dbx, dbx::DbxContext& context);

} // namespace nodewick::exporter
