#pragma once

#include <ostream>

#include "dbx/dbx.h"

namespace nodewick::cli {

// What the DBX interface returns for the open design, for checking a real
// P-CAD workstation by eye: each call's status, the design texts as they come
// (the design path whole, to see whether it is a full path), the layers, the
// via styles, and the first nets with their first nodes (component, pin,
// side) and vias. The conversation is opened and closed again. Returns the
// status of opening it.
dbx::DbxStatus ProbeDbx(dbx::Dbx& dbx, std::ostream& out);

}  // namespace nodewick::cli
