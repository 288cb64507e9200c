#pragma once

#include <string_view>

namespace nodewick {

// Where users reach the people behind the program; shown in the netlist header,
// the window and the About box.
inline constexpr std::string_view kContactAddress = "nodewick@example.org";

}  // namespace nodewick
