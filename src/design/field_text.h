#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dbx/fixed_text.h"
#include "design/design.h"

// The rules every design text is held to before it becomes a DBX text field,
// the same for the JSON design file and the P-CAD reader.
//
// A text longer than its field is refused, never cut: a cut net name or pin
// could become another net's or pin's, and a test netlist must name what is
// on the board. NUL is refused in every text, as it would end the text inside
// its field. A text that reaches a line of the netlist (net names, tie
// values, reference designators, pins, the header texts, the design path,
// layer names) may hold no control character either (below 32, or 127): a
// line feed in a pin would end the record in the middle of the file.
namespace nodewick::design {

struct FieldText {
    std::size_t capacity = 0;     // bytes of the DBX field
    bool reachesNetlist = false;  // written into a line of the netlist
};

inline constexpr FieldText kWrittenText{.capacity = dbx::kTextFieldSize, .reachesNetlist = true};
inline constexpr FieldText kKeptText{.capacity = dbx::kTextFieldSize, .reachesNetlist = false};
inline constexpr FieldText kWrittenAttributeValue{.capacity = dbx::kAttributeValueSize, .reachesNetlist = true};
inline constexpr FieldText kKeptAttributeValue{.capacity = dbx::kAttributeValueSize, .reachesNetlist = false};

// The attribute whose value the netlist writes: a net tie's name.
inline constexpr std::string_view kTieAttributeName = "TieNet";

// Why a single-byte text cannot be a DBX text of this use, or nothing when
// it can. The reason names the offending byte or the sizes.
std::optional<std::string> FieldTextProblem(std::string_view text, FieldText use);

// How an attribute's value is used: a tie's value is written.
FieldText AttributeValueUse(std::string_view attributeName) noexcept;

// Two nets whose names are one name once DBX's name cleaning has trimmed
// them (the blanks at either end, anything from a NUL on) would be written
// as one net: the indices of the first such pair, the earlier first.
struct RepeatedName {
    std::size_t earlier = 0;
    std::size_t later = 0;
};
std::optional<RepeatedName> FirstRepeatedNetName(const std::vector<Net>& nets);

// Rotations are tenths of a degree within one turn either way.
inline constexpr std::int32_t kLargestRotation = 3600;

}  // namespace nodewick::design
