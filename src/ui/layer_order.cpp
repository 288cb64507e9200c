#include "layer_order.h"

#include <utility>

namespace nodewick::ui {

void MoveEntryUp(LayerOrder& order)
{
    if (!order.selected || *order.selected == 0 || *order.selected >= order.entries.size())
        return;
    const std::size_t k = *order.selected;
    std::swap(order.entries[k - 1], order.entries[k]);
    order.selected = k - 1;
}

void MoveEntryDown(LayerOrder& order)
{
    if (order.entries.empty())
        return;
    if (!order.selected) {
        order.selected = 0;
        return;
    }
    const std::size_t k = *order.selected;
    if (k + 1 >= order.entries.size())
        return;
    std::swap(order.entries[k], order.entries[k + 1]);
    order.selected = k + 1;
}

}  // namespace nodewick::ui
