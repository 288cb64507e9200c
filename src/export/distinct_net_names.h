#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "base/error.h"
#include "plain_text.h"

namespace nodewick::exporter {

// Nets that carry no "TieNet" attribute must come out under names of their
// own: written under one name, two nets of the board are one net to the
// tester, and a short between them passes. (Tied nets share their tie name on
// purpose, and are not given to this check.)
class DistinctNetNames {
public:
    // Throws ExportError naming both nets when another untied net already
    // came out under this name.
    void add(const std::string& writtenName, std::int32_t netId)
    {
        const auto [seen, added] = netIdByName_.try_emplace(writtenName, netId);
        if (!added)
            throw ExportError("Nets " + std::to_string(seen->second) + " and " + std::to_string(netId) +
                              " are both written as \"" + Printable(writtenName) +
                              "\": a tester would take them for one net. Give them different names, or tie them "
                              "with a \"TieNet\" attribute");
    }

private:
    std::unordered_map<std::string, std::int32_t> netIdByName_;
};

}  // namespace nodewick::exporter
