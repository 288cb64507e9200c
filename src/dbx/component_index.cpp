#include "component_index.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <stdexcept>

namespace nodewick::dbx {
namespace {

std::uint32_t UpperHalf(std::uint64_t hash)
{
    return static_cast<std::uint32_t>(hash >> 32);
}

} // namespace

ComponentIndex::ComponentIndex(const std::vector<Component>& components) : components_(components)
{
    // Positions are kept in 32 bits, one short of the empty mark.
    if (components.size() >= kEmpty)
        throw std::length_error("too many components to index");
    slots_.resize(std::bit_ceil(std::max<std::size_t>(components.size() * 2, 16)));
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::uint64_t hash = std::hash<std::string_view>{}(components[i].refDes);
        Slot& slot = slots_[slotOf(components[i].refDes, hash)];
        if (slot.component != kEmpty) {
            if (!duplicate_)
                duplicate_ = Duplicate{.earlier = slot.component, .later = i};
            continue;
        }
        slot = Slot{.hash = UpperHalf(hash), .component = static_cast<std::uint32_t>(i)};
    }
}

std::size_t ComponentIndex::slotOf(std::string_view refDes, std::uint64_t hash) const noexcept
{
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t check = UpperHalf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.component == kEmpty || (slot.hash == check && components_[slot.component].refDes == refDes))
            return i;
    }
}

std::optional<std::size_t> ComponentIndex::find(std::string_view refDes) const noexcept
{
    const Slot& slot = slots_[slotOf(refDes, std::hash<std::string_view>{}(refDes))];
    if (slot.component == kEmpty)
        return std::nullopt;
    return slot.component;
}

} // namespace nodewick::dbx
