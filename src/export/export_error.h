#pragma once

#include <stdexcept>

namespace nodewick::exporter {

// A reason the export run stops without a netlist: a value the records cannot
// hold, an offset out of range, a file that cannot be written. The message
// names the net, pad, via, value or path, and the system's reason.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace nodewick::exporter
