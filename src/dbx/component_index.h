#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "design.h"

namespace nodewick::dbx {

// Finds a component by its reference designator. Every node of a design is
// looked up here once, a million times in a large design, in no order the
// cache can follow: the index is one flat table of small slots, each holding
// the key's hash next to the component's position, so that a look-up touches
// one slot and then the component itself.
class ComponentIndex {
public:
    // Indexes `components`, which must stay in place while the index is used.
    // A reference designator seen before is not indexed again.
    explicit ComponentIndex(const std::vector<Component>& components);

    std::optional<std::size_t> find(std::string_view refDes) const noexcept;

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

    // The position of the slot that holds `refDes`, or of the empty slot
    // where it would go.
    std::size_t slotOf(std::string_view refDes, std::uint64_t hash) const noexcept;

    const std::vector<Component>& components_;
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::optional<Duplicate> duplicate_;
};

} // namespace nodewick::dbx
