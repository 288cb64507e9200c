#pragma once

#include <cstdint>

#include "record_context.h"

namespace nodewick::exporter {

// Writes one test record per node of the net: "317" for a drilled pad, "327"
// for a surface pad, each reached from the side its copper faces. node holds
// the net's first node and status the status of the call that fetched it; the
// walk goes on while the status is 0. Returns the number of records written.
// Throws ExportError for a designator holding a control character or a
// location that cannot be written.
std::int64_t padsxy(RecordContext& records, const CurrentNet& net, dbx::ItemRecord& node, dbx::DbxStatus status);

}  // namespace nodewick::exporter
