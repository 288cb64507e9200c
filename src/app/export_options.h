#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export/export_run.h"

// The command-line exporter's options that need more than the parser: the
// offset pair and the layer order.
namespace nodewick::cli {

// An option value that cannot be used; the message says which and why.
class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "X,Y" into the two offset texts, each read as the offset dialog reads its
// boxes ("12.5", "12.5mil", "-1.25"). An offset above the dialog's limit is
// refused, as the dialog would not let it be typed.
std::pair<std::string, std::string> OffsetTexts(std::string_view option, exporter::Units units);

// The layer list reordered by a comma-separated list of layer names or ids:
// the named layers first, in the order given, then the others in their
// current order. An unknown or repeated layer is refused.
std::vector<std::string> ReorderedLayers(const std::vector<std::string>& layerList, std::string_view option);

} // namespace nodewick::cli
