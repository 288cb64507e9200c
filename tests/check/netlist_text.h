#pragma once

#include <initializer_list>
#include <string>

namespace nodewick::check::testing {

// The lines of a netlist, each ended by CR LF as the export writes them.
inline std::string Lines(std::initializer_list<std::string> lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

// The parameter lines our own export writes, in inch units.
inline const std::string kVer = "P  VER IPC-D-356A";
inline const std::string kJob = "P  JOB board.pcb";
inline const std::string kUnitsInch = "P  UNITS CUST";
inline const std::string kDim = "P  DIM   N";

} // namespace nodewick::check::testing
