#pragma once

#include <string_view>

namespace nodewick::exporter {

// Where the lines of the netlist go, one at a time and in file order. A line
// comes without its line end; the sink ends it (CR LF in the netlist file).
// A test record whose items overran a column holds the line break the line
// writer put there (see line_writer.h), and is still handed over as one line.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void Write(std::string_view line) = 0;
};

}  // namespace nodewick::exporter
