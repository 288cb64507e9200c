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

// "X,Y" into the two offset texts. Each is a plain decimal number ("12.5",
// "-1.25", ".5"), optionally followed by the chosen unit's own suffix, "mil"
// under mils or "mm" under millimetres; nothing else is taken, so a typing
// slip cannot become a silent 0. An offset above the dialog's limit is
// refused, as the dialog would not let it be typed, and so is one that does
// not fit the design's 32-bit coordinates.
std::pair<std::string, std::string> OffsetTexts(std::string_view option, exporter::Units units);

// The layer list reordered by a comma-separated list of layer names or ids:
// the named layers first, in the order given, then the others in their
// current order. An unknown or repeated layer is refused.
std::vector<std::string> ReorderedLayers(const std::vector<std::string>& layerList, std::string_view option);

}  // namespace nodewick::cli
