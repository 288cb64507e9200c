#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace nodewick::ui {

// The layer list as the Up and Down buttons see it: the entries top to bottom
// (their order is the export's layer order) and the selected position, if any.
// Selection is by position: moving texts does not move it by itself.
struct LayerOrder {
    std::vector<std::string> entries;
    std::optional<std::size_t> selected;
};

// Moves the selected entry one place towards the top and keeps it selected.
// The top entry, a lone entry or no selection: nothing changes.
void MoveEntryUp(LayerOrder& order);

// Moves the selected entry one place towards the bottom and keeps it selected.
// The bottom entry stays where it is; with no selection nothing moves and the
// top entry becomes selected (an empty list stays without selection).
void MoveEntryDown(LayerOrder& order);

}  // namespace nodewick::ui
