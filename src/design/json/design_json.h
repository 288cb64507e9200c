#pragma once

#include <filesystem>
#include <istream>

#include "design/design_file.h"
#include "design/json/tracked_input.h"

namespace nodewick::design {

// Reads a JSON design file (docs/design-file.md) from `in` as it streams in:
// no document tree of the whole file is built, so a design of millions of
// pads takes little more memory than the design itself. `file` names the file
// in messages and, when the file gives no "path", becomes design text 1.
// Throws nodewick::DesignError (FileError when the bytes cannot be read);
// nothing is half-loaded.
LoadedDesign LoadJsonDesign(std::istream& in, const std::filesystem::path& file);
// The same from any source of bytes, such as a file already open.
LoadedDesign LoadJsonDesign(const TrackedInput::Source& source, const std::filesystem::path& file);

}  // namespace nodewick::design
