#pragma once

#include <string>
#include <vector>

#include "dbx/dbx.h"
#include "export/design_names.h"

namespace nodewick::start {

// The DBX conversation as the start of a program run leaves it: open, the
// design information read, and the lists the window shows and the export
// takes over.
struct Conversation {
    dbx::DbxContext context;
    // The status of the design-information read. The export goes on only
    // when it is 0; after a failed read the lists below stay empty.
    dbx::DbxStatus status = dbx::status::kSuccess;
    exporter::DesignNames names;         // derived from the design path DBX reports
    std::vector<std::string> layerList;  // layer entries, the saved order applied
    std::vector<std::string> viaStyles;  // via style names in id order
    // What the user should know about the start (a design file's oddities,
    // a saved layer order that could not be taken over), in the order found.
    std::vector<std::string> warnings;
};

// Opens the conversation with the editor (TOpenDesign), reads the design
// information and, when that read succeeds, lists the layers of type 0 or 1,
// applies the settings file's saved order to that list when the design's
// folder holds one (ReconcileLayerOrder; each change a warning), and lists
// the via styles. A settings file that cannot be read leaves the design's own
// order, with a warning saying why. readSettings false leaves the file unread.
Conversation OpenConversation(dbx::Dbx& dbx, bool readSettings = true);

}  // namespace nodewick::start
