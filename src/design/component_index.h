#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "design/design.h"

namespace nodewick::design {

// Finds a component by its reference designator. Every node of a design is
// looked up here once, a million times in a large design, in no order the
// cache can follow: the index is one flat table of small slots, each holding
// the key's hash next to the component's position, so that a look-up touches
// one slot and then the component itself. T is whatever the reader keeps a
// component as, RefDes its reference designator.
template <typename T, std::string T::*RefDes>
class RefDesIndex {
public:
    // Indexes `components`, which must stay in place while the index is used.
    // A reference designator seen before is not indexed again.
    explicit RefDesIndex(const std::vector<T>& components) : components_(components)
    {
        // Positions are kept in 32 bits, one short of the empty mark.
        if (components.size() >= kEmpty)
            throw std::length_error("too many components to index");
        slots_.resize(std::bit_ceil(std::max<std::size_t>(components.size() * 2, 16)));
        for (std::size_t i = 0; i < components.size(); ++i) {
            const std::string& refDes = components[i].*RefDes;
            const std::uint64_t hash = std::hash<std::string_view>{}(refDes);
            Slot& slot = slots_[slotOf(refDes, hash)];
            if (slot.component != kEmpty) {
                if (!duplicate_)
                    duplicate_ = Duplicate{.earlier = slot.component, .later = i};
                continue;
            }
            slot = Slot{.hash = UpperHalf(hash), .component = static_cast<std::uint32_t>(i)};
        }
    }

    std::optional<std::size_t> find(std::string_view refDes) const noexcept
    {
        const Slot& slot = slots_[slotOf(refDes, std::hash<std::string_view>{}(refDes))];
        if (slot.component == kEmpty)
            return std::nullopt;
        return slot.component;
    }

    // The pair of positions (earlier, later) of the first repeated reference
    // designator, if any.
    struct Duplicate {
        std::size_t earlier = 0;
        std::size_t later = 0;
    };
    std::optional<Duplicate> firstDuplicate() const noexcept { return duplicate_; }

private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    struct Slot {
        std::uint32_t hash = 0;  // the upper half of the key's hash
        std::uint32_t component = kEmpty;
    };

    static std::uint32_t UpperHalf(std::uint64_t hash) noexcept { return static_cast<std::uint32_t>(hash >> 32); }

    // The position of the slot that holds `refDes`, or of the empty slot
    // where it would go.
    std::size_t slotOf(std::string_view refDes, std::uint64_t hash) const noexcept
    {
        const std::size_t mask = slots_.size() - 1;
        const std::uint32_t check = UpperHalf(hash);
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.component == kEmpty || (slot.hash == check && components_[slot.component].*RefDes == refDes))
                return i;
        }
    }

    const std::vector<T>& components_;
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::optional<Duplicate> duplicate_;
};

using ComponentIndex = RefDesIndex<Component, &Component::refDes>;

}  // namespace nodewick::design
