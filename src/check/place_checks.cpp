#include "place_checks.h"

#include <algorithm>
#include <string>

namespace nodewick::check {

bool SidesMeet(Side a, std::int32_t accessA, Side b, std::int32_t accessB) noexcept
{
    if (a == Side::Inner || b == Side::Inner)
        return a == b && accessA == accessB;
    return a == Side::Both || b == Side::Both || a == b;
}

void CheckPlaces(Netlist& netlist)
{
    const std::vector<TestRecord>& records = netlist.records;
    // The records in order of place, then of file; the places beside the
    // indices, so that sorting reads one compact array.
    struct Placed {
        std::int64_t x;
        std::int64_t y;
        std::uint32_t record;
        auto operator<=>(const Placed&) const = default;
        bool samePlace(const Placed& other) const { return x == other.x && y == other.y; }
    };
    std::vector<Placed> order;
    order.reserve(records.size());
    for (std::uint32_t r = 0; r < records.size(); ++r)
        order.push_back({records[r].x, records[r].y, r});
    std::sort(order.begin(), order.end());
    const std::int32_t bottom = netlist.bottomAccess();
    for (std::size_t first = 0; first < order.size();) {
        std::size_t end = first + 1;
        while (end < order.size() && order[end].samePlace(order[first]))
            ++end;
        // Each record against the earlier ones of the same place, in file order.
        for (std::size_t later = first + 1; later < end; ++later) {
            const TestRecord& record = records[order[later].record];
            for (std::size_t earlier = first; earlier < later; ++earlier) {
                const TestRecord& other = records[order[earlier].record];
                if (other.net == record.net ||
                    !SidesMeet(SideOf(record.access, bottom), record.access, SideOf(other.access, bottom),
                               other.access))
                    continue;
                netlist.findings.error(record.line, 42,
                                       "a test point of net " + netlist.netNames[record.net] +
                                           " at the place and side of line " + std::to_string(other.line) +
                                           ", a test point of net " + netlist.netNames[other.net]);
                break;
            }
        }
        first = end;
    }
}

}  // namespace nodewick::check
