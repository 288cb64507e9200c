#pragma once

#include <cstdint>

#include "record_context.h"

namespace nodewick::exporter {

// Writes one test record per via among the net's items: "317" for a through
// via, "307" with its layer range for a blind or buried via, "327" for a via
// without a hole to speak of. Returns the number of records written. Throws
// ExportError for a location that cannot be written.
std::int64_t viasxy(RecordContext& records, const CurrentNet& net);

}  // namespace nodewick::exporter
