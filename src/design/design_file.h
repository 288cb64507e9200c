#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/design.h"

namespace nodewick::design {

// A design file that cannot be loaded. The message names the file and the
// place (JSON path, line) and says what is wrong; nothing is half-loaded.
class DesignLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct LoadedDesign {
    Design design;
    // Things that were merely unusual and skipped; the user sees them.
    std::vector<std::string> warnings;
};

// Loads a design file, recognised by its content (a JSON design file or a
// P-CAD ASCII PCB file), not by its extension. Throws DesignLoadError.
LoadedDesign LoadDesignFile(const std::filesystem::path& file);

} // namespace nodewick::design
