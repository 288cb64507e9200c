#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/error.h"

namespace nodewick::exporter {

// The settings file that keeps the layer order beside the design.
inline constexpr const char* kSettingsFileName = "Nodewick.ini";

// A settings file that exists but cannot be read, is not a regular file, or
// cannot be written. The message names the path and the reason.
using SettingsFileError = FileError;

// The path of the settings file for a design folder (empty: the working folder).
std::string SettingsPath(const std::string& designFolder);

// The saved layer entries, one per line, taken unchanged; nothing when the
// folder holds no file of exactly that name. The file is read whole, and one
// that is a FIFO, a device or a socket is refused at once. Throws
// SettingsFileError.
std::optional<std::vector<std::string>> ReadSettingsFile(const std::string& designFolder);

// Replaces the file with the layer entries, each line ended by CR LF: written
// under a temporary name and renamed into place, so a run reading it at the
// same moment sees the old order or the new one, and a symbolic link at the
// name is replaced rather than written through. Returns the path written.
// Throws SettingsFileError.
std::string WriteSettingsFile(const std::string& designFolder, const std::vector<std::string>& entries);

// The saved order applied to the design's layers.
struct ReconciledLayers {
    std::vector<std::string> entries;   // the layer list in export order
    std::vector<std::string> warnings;  // one for every change made to the saved order
};

// A saved line keeps its place when its layer id is one of the design's listed
// layers and was not named on an earlier line; it then reads as the design's
// entry for that layer. Blank lines, lines naming no listed layer and repeats
// are dropped, and the design's layers the file lacks follow in DBX order. A
// file naming exactly the design's layers is taken as it stands. settingsPath
// names the file in the warnings.
ReconciledLayers ReconcileLayerOrder(const std::vector<std::string>& saved,
                                     const std::vector<std::string>& designLayers, std::string_view settingsPath);

}  // namespace nodewick::exporter
