#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dbx/dbx.h"

// The order the nets are written in, and the short names of long ones.
//
// Nets go out in alphabetical order of a sort name that sends supply-like nets
// ("+", "-", "GND", "VCC", "SHI") to the end, keeps a single trailing digit in
// numeric order (NET2 before NET10) and puts nets tied together next to each
// other. A net whose written name is too long for the record's name field is
// written under an alias that a "P" line declares.
namespace nodewick::exporter {

// The sort name of a net from its own name (the tie rule is not applied here).
std::string SortName(std::string_view netName);

// A net's place in the order: its sort name, ".", its id in decimal. The id
// makes every key unique.
std::string OrderKey(std::string_view sortName, std::int32_t netId);

// The order of the keys: ASCII letters folded to lower case, then byte by byte.
bool KeyLess(std::string_view a, std::string_view b) noexcept;

struct NetCollection {
    std::vector<std::int32_t> netIds;           // in output order
    std::vector<bool> tied;                     // per entry of netIds: its first attribute is "TieNet"
    std::optional<std::int64_t> connectedPins;  // sum of node counts; no value without nets
};

// Walks all nets once, builds their keys and sorts them.
NetCollection CollectNets(dbx::Dbx& dbx, dbx::DbxContext& context);

// Names of 14 characters or more do not fit the record's name field.
inline constexpr std::size_t kLongestRecordNetName = 13;

inline bool NeedsAlias(std::string_view netName) noexcept
{
    return netName.size() > kLongestRecordNetName;
}

// "NNAME" and the alias number, as IPC-D-356A readers expect it.
std::string AliasName(std::int64_t aliasNumber);

}  // namespace nodewick::exporter
