#pragma once

#include <string>
#include <string_view>

#include "netlist.h"

// The checker's findings for people and for programs.
namespace nodewick::check {

// One line per finding, "file:line:column: error: message", as compilers
// write theirs; a finding without a line leaves line and column out.
std::string FindingsText(const Findings& findings, std::string_view netlistName);

// The findings as one JSON object: the netlist's name, its record and net
// counts, the error and warning counts, and the findings with severity,
// line, column (null when the finding has none) and message.
std::string FindingsJson(const Netlist& netlist, std::string_view netlistName);

}  // namespace nodewick::check
