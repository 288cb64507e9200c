#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/error.h"
#include "design/design.h"

namespace nodewick::design {

struct LoadedDesign {
    Design design;
    // Things that were merely unusual and skipped; the user sees them.
    std::vector<std::string> warnings;
};

// Loads a design file, recognised by its content (a JSON design file or a
// P-CAD ASCII PCB file), not by its extension. A file that is not valid
// throws nodewick::DesignError naming the file and the place (JSON path,
// line) and saying what is wrong; one that cannot be read, or is no regular
// file, throws nodewick::FileError. Nothing is half-loaded.
LoadedDesign LoadDesignFile(const std::filesystem::path& file);

}  // namespace nodewick::design
