#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace nodewick::exporter {

// The settings file that keeps the layer order beside the design.
inline constexpr const char* kSettingsFileName = "Nodewick.ini";

// A settings file that exists but cannot be read, or cannot be written. The
// message names the path and the system's reason.
class SettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The saved layer entries, one per line, taken unchanged; nothing when the
// folder holds no file of exactly that name.
std::optional<std::vector<std::string>> ReadSettingsFile(const std::string& designFolder);

// Creates or replaces the file from the layer entries, each line ended by CR LF.
// Returns the path written.
std::string WriteSettingsFile(const std::string& designFolder, const std::vector<std::string>& entries);

} // namespace nodewick::exporter
