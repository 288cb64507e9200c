#pragma once

#include <cstdint>
#include <string>

#include "dbx/dbx.h"

namespace nodewick::exporter {

// The name a net tie gives its nets: their first attribute, named exactly so.
inline constexpr std::string_view kTieAttributeName = "TieNet";

// A net's first attribute; both texts are empty when the net has none.
struct TieAttribute {
    std::string name;
    std::string value;

    // Only the first attribute counts, and only under this exact name.
    bool isTieNet() const noexcept { return name == kTieAttributeName; }
};

// Reads the first attribute of a net. Its status is its own: a net without
// attributes simply has none.
TieAttribute TieAttribut(dbx::Dbx& dbx, dbx::DbxContext& context, std::int32_t netId);

}  // namespace nodewick::exporter
