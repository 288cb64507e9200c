#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "synthetic_board.h"

namespace nodewick::bench {

enum class DesignFormat { Json, PcadMillimetres, PcadMils };

// Command-line names of the formats: json, pcad-mm, pcad-mil.
std::map<std::string, DesignFormat> DesignFormatNames();

struct GeneratedDesign {
    std::uintmax_t bytes = 0;
    BoardCounts counts{};
};

// Makes the board of `spec` and writes it in `format`. Throws on bad
// arguments and on file errors, leaving no partial file behind.
GeneratedDesign GenerateDesignFile(const BoardSpec& spec, DesignFormat format, const std::filesystem::path& file);

}  // namespace nodewick::bench
