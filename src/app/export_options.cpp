#include "export_options.h"

#include <algorithm>
#include <optional>

#include "base/units.h"
#include "export/layer_list.h"
#include "export/offset_text.h"

namespace nodewick::cli {
namespace {

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string_view> CommaSeparated(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(Trimmed(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}

std::string_view UnitSuffix(exporter::Units units)
{
    return units == exporter::Units::Mils ? "mil" : "mm";
}

std::string_view UnitsName(exporter::Units units)
{
    return units == exporter::Units::Mils ? "mils" : "mm";
}

void CheckOffset(const std::string& text, char axis, exporter::Units units)
{
    const std::string prefix = std::string("--offset: the ") + axis + " offset \"" + text + "\" ";
    const exporter::Units other = units == exporter::Units::Mils ? exporter::Units::Millimetres : exporter::Units::Mils;
    std::string_view number = text;
    if (number.ends_with(UnitSuffix(other)) && !number.ends_with(UnitSuffix(units)))
        throw OptionError(prefix + "is in " + std::string(UnitsName(other)) + ", but --units is " +
                          std::string(UnitsName(units)));
    if (number.ends_with(UnitSuffix(units)))
        number.remove_suffix(UnitSuffix(units).size());
    const std::optional<Decimal> value = ParseDecimal(number);
    if (!value)
        throw OptionError(prefix + "is not a number: give a decimal such as 12.5 or -0.25, optionally followed by " +
                          std::string(UnitSuffix(units)));
    if (!ToDatabaseUnits(*value, units == exporter::Units::Mils ? kDatabaseUnitsPerMil : kDatabaseUnitsPerMillimetre))
        throw OptionError(prefix + "is beyond the 32-bit coordinates of the design");
    const double limit = exporter::OffsetLimit(units);
    if (exporter::OffsetTextValue(text) > limit)
        throw OptionError(prefix + "is more than the largest, " + exporter::FormatOffset(limit, units));
}

bool Names(std::string_view entry, std::string_view token)
{
    if (exporter::LayerNameOf(entry) == token)
        return true;
    // A layer id is a number alone; a name such as "Inner 2" is no id.
    const std::optional<std::int32_t> id = exporter::LayerIdOf(token);
    return id && token.find(' ') == std::string_view::npos && exporter::LayerIdOf(entry) == id;
}

// The first entry not taken yet that the token names, by name before by id.
std::optional<std::size_t> FindLayer(const std::vector<std::string>& layerList, const std::vector<bool>& taken,
                                     std::string_view token)
{
    for (const bool byName : {true, false}) {
        for (std::size_t i = 0; i < layerList.size(); ++i) {
            const bool named = byName ? exporter::LayerNameOf(layerList[i]) == token : Names(layerList[i], token);
            if (!taken[i] && named)
                return i;
        }
    }
    return std::nullopt;
}

std::string KnownLayers(const std::vector<std::string>& layerList)
{
    std::string names;
    for (const std::string& entry : layerList) {
        if (!names.empty())
            names += ", ";
        names += exporter::LayerNameOf(entry);
        if (const std::optional<std::int32_t> id = exporter::LayerIdOf(entry))
            names += " (" + std::to_string(*id) + ")";
    }
    return names.empty() ? "none" : names;
}

}  // namespace

std::pair<std::string, std::string> OffsetTexts(std::string_view option, exporter::Units units)
{
    const std::vector<std::string_view> parts = CommaSeparated(option);
    if (parts.size() != 2)
        throw OptionError("--offset: give X and Y separated by one comma, as in 12.5,-3 (got \"" + std::string(option) +
                          "\")");
    std::pair<std::string, std::string> texts{std::string(parts[0]), std::string(parts[1])};
    CheckOffset(texts.first, 'X', units);
    CheckOffset(texts.second, 'Y', units);
    return texts;
}

std::vector<std::string> ReorderedLayers(const std::vector<std::string>& layerList, std::string_view option)
{
    std::vector<bool> taken(layerList.size(), false);
    std::vector<std::string> ordered;
    for (const std::string_view token : CommaSeparated(option)) {
        if (token.empty())
            throw OptionError("--layers: an empty layer name in \"" + std::string(option) + "\"");
        const std::optional<std::size_t> found = FindLayer(layerList, taken, token);
        if (!found) {
            const bool named = std::any_of(layerList.begin(), layerList.end(),
                                           [&](const std::string& entry) { return Names(entry, token); });
            throw OptionError(named ? "--layers: the layer \"" + std::string(token) + "\" is named twice"
                                    : "--layers: no layer \"" + std::string(token) +
                                      "\" in the layer list; the layers are " + KnownLayers(layerList));
        }
        taken[*found] = true;
        ordered.push_back(layerList[*found]);
    }
    for (std::size_t i = 0; i < layerList.size(); ++i) {
        if (!taken[i])
            ordered.push_back(layerList[i]);
    }
    return ordered;
}

}  // namespace nodewick::cli
