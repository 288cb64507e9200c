#pragma once

#include <string>

#include "dbx_status.h"

namespace nodewick::dbx {

// The message the status line shows for a DBX status: the known DBX texts,
// "Status: OK" for success and "Status: " with the code for anything else.
std::string StatusText(DbxStatus status);

}  // namespace nodewick::dbx
