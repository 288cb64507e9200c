#include "design_json_keys.h"

#include <array>
#include <cstddef>

namespace nodewick::dbx {
namespace {

// In the order of DesignKey.
constexpr std::array<std::string_view, static_cast<std::size_t>(DesignKey::Other)> kNames = {
    "attributes", "components", "drawingNumber", "end",     "engineer", "flip",      "height",   "hole",
    "id",         "items",      "layer",         "layers",  "name",     "nets",      "nodewickDesign", "nodes",
    "padCount",   "padStyle",   "padStyles",     "path",    "pin",      "refDes",    "revision", "rotation",
    "shapes",     "side",       "start",         "status",  "title",    "type",      "value",    "viaStyle",
    "viaStyles",  "width",      "x",             "y",
};

} // namespace

DesignKey FindDesignKey(std::string_view name) noexcept
{
    // Comparing the length and the first letter first leaves about one full
    // comparison per key.
    if (name.empty())
        return DesignKey::Other;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i].size() == name.size() && kNames[i][0] == name[0] && kNames[i] == name)
            return static_cast<DesignKey>(i);
    }
    return DesignKey::Other;
}

std::string_view DesignKeyName(DesignKey key) noexcept
{
    const auto index = static_cast<std::size_t>(key);
    return index < kNames.size() ? kNames[index] : std::string_view{};
}

} // namespace nodewick::dbx
