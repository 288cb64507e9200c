#pragma once

#include <string>
#include <string_view>

namespace nodewick::exporter {

// The names derived from the design file path DBX reports. A "\" or a "/"
// separates folders.
struct DesignNames {
    std::string folder;      // up to and including the last separator; empty when none
    std::string file;        // the file name, cut to 25 characters (shown, and written in the header)
    std::string outputFile;  // the netlist's file name, from the whole file name
};

DesignNames DeriveDesignNames(std::string_view designPath);

}  // namespace nodewick::exporter
