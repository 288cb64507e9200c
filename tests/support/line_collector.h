#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/line_sink.h"

namespace nodewick::testing {

// A line sink that keeps every line it is handed, for tests that look at the
// lines a writer produced without a file in between.
class LineCollector : public exporter::LineSink {
public:
    void Write(std::string_view line) override { lines.emplace_back(line); }

    // The lines as the netlist file holds them, each ended by CR LF.
    std::string text() const
    {
        std::string all;
        for (const std::string& line : lines)
            all += line + "\r\n";
        return all;
    }

    std::vector<std::string> lines;
};

} // namespace nodewick::testing
