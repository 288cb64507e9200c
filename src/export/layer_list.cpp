#include "layer_list.h"

#include <charconv>

#include "dbx/trim_null.h"

namespace nodewick::exporter {
std::string LayerEntry(const std::string& layerName, std::int32_t layerId)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, layerId).ptr;
    std::string entry = layerName;
    entry += "   ";
    entry.append(digits, end);
    return entry;
}

std::optional<std::int32_t> LayerIdOf(std::string_view entry) noexcept
{
    const std::size_t space = entry.rfind(' ');
    const std::string_view text = space == std::string_view::npos ? entry : entry.substr(space + 1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return id;
}

std::string_view LayerNameOf(std::string_view entry) noexcept
{
    const std::size_t space = entry.rfind(' ');
    if (space == std::string_view::npos)
        return entry;
    const std::size_t nameEnd = entry.find_last_not_of(' ', space);
    return nameEnd == std::string_view::npos ? std::string_view{} : entry.substr(0, nameEnd + 1);
}

std::vector<std::string> FillLayerList(dbx::Dbx& dbx, dbx::DbxContext& context)
{
    std::vector<std::string> entries;
    dbx::LayerRecord layer;
    for (dbx::DbxStatus status = dbx.TGetFirstLayer(context, layer); status == dbx::status::kSuccess;
         status = dbx.TGetNextLayer(context, layer)) {
        if (IsListedLayerType(layer.layerType))
            entries.push_back(LayerEntry(dbx::TrimNull(layer.layerName.field()), layer.layerId));
    }
    return entries;
}

std::vector<std::string> FillViaStyleList(dbx::Dbx& dbx, dbx::DbxContext& context)
{
    std::vector<std::string> names;
    dbx::PadViaStyle style;
    for (std::int32_t id = 0; dbx.TGetViaStyle(context, id, style) == dbx::status::kSuccess; ++id)
        names.push_back(dbx::TrimNull(style.name.field()));
    return names;
}

}  // namespace nodewick::exporter
