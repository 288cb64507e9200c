#pragma once

#include <filesystem>
#include <istream>

#include "design/design_file.h"

namespace nodewick::design {

// Reads a JSON design file (docs/design-file.md) from `in` as it streams in:
// no document tree of the whole file is built, so a design of millions of
// pads takes little more memory than the design itself. `file` names the file
// in messages and, when the file gives no "path", becomes design text 1.
// Throws DesignLoadError; nothing is half-loaded.
LoadedDesign LoadJsonDesign(std::istream& in, const std::filesystem::path& file);

} // namespace nodewick::design
