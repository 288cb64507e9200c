#pragma once

#include <string_view>

namespace nodewick::design::pcad {

// Where a form sits in the file, for telling which forms the reader knows.
enum class FormPlace : unsigned {
    TopLevel = 1,
    Library = 2,
    Netlist = 4,
    PcbDesign = 8,
    MultiLayer = 16,  // of the board or of a pattern
};

// A form the reader knows to be of no use to a netlist at this place (a
// drawing, a setting, a schematic sheet): passed over without a warning.
// Any other form it does not read is unknown, and the user is told.
bool IsSkippedForm(FormPlace place, std::string_view keyword) noexcept;

// A skipped form whose content is not even kept in the parsed tree (it is
// only checked for balanced parentheses), wherever it sits: the large ones,
// such as copper-pour islands' layer contents and print settings.
bool IsUnreadForm(std::string_view keyword) noexcept;

}  // namespace nodewick::design::pcad
