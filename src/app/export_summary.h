#pragma once

#include <string>

#include "export/export_run.h"

namespace nodewick::cli {

// One line of --json output: what became of one design, for a script to read
// without parsing the human messages. design is the name given on the command
// line ("-" for standard input); error is empty when the netlist was written.
// Text that is not UTF-8 (a DBX name in its code page) shows U+FFFD for each
// byte that cannot be read.
std::string JsonSummary(const std::string& design, const exporter::ExportResult& result, const std::string& error);

}  // namespace nodewick::cli
