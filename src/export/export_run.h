#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dbx/dbx.h"

namespace nodewick::exporter {

enum class Units { Mils, Millimetres };

// The user's choices, as the window holds them when Start is pressed.
struct ExportChoices {
    Units units = Units::Mils;
    bool tie = true;
    bool view = false;
    std::string offsetXText = "0";
    std::string offsetYText = "0";
    std::vector<std::string> layerList;  // layer entries in export order
};

// Where the run writes, when not as the window does: the netlist beside the
// design and the layer order into the settings file.
struct ExportFiles {
    // The netlist's path instead of the one beside the design; "-" for
    // standard output.
    std::optional<std::string> outputPath;
    bool saveSettings = true;  // write the layer order to the settings file
};

// What the run needs from its surroundings. Every hook must be set.
struct ExportHooks {
    std::function<void(const std::string&)> showStatus;         // the status line
    std::function<void(const std::string&)> showFile;           // the design-file line
    std::function<std::string()> dateTimeText;                  // "date time" for the header
    std::function<void(const std::string& path)> openInViewer;  // used when View is ticked
};

struct ExportResult {
    bool written = false;  // the netlist is complete and in place
    std::string error;     // why not, when nothing was written
    std::string netlistPath;
    std::string settingsPath;
    std::int64_t netCount = 0;
    std::int64_t padRecords = 0;
    std::int64_t viaRecords = 0;
    std::int64_t aliases = 0;
    std::vector<std::string> warnings;  // the first ones word for word, then how many more
    std::int64_t warningCount = 0;
};

// One export run over the open design: writes the IPC-D-356A netlist beside
// the design and, once it is in place, the settings file, so a run that fails
// changes no file; one whose settings file cannot be written still has its
// netlist and says so in a warning. Closes the DBX conversation on every way
// out. `status` is the DBX status the window kept from its start-up
// design-information read; the run goes on only when it is 0.
ExportResult RunExport(dbx::Dbx& dbx, dbx::DbxContext& context, dbx::DbxStatus status, const ExportChoices& choices,
                       const ExportHooks& hooks, const ExportFiles& files = {});

}  // namespace nodewick::exporter
