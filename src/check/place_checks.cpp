#include "place_checks.h"

#include <algorithm>
#include <numeric>
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
    std::vector<std::uint32_t> order(records.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto place = [&](std::uint32_t i) { return std::pair(records[i].x, records[i].y); };
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return std::pair(place(a), a) < std::pair(place(b), b);
    });
    const std::int32_t bottom = netlist.bottomAccess();
    for (std::size_t first = 0; first < order.size();) {
        std::size_t end = first + 1;
        while (end < order.size() && place(order[end]) == place(order[first]))
            ++end;
        // Each record against the earlier ones of the same place, in file order.
        for (std::size_t later = first + 1; later < end; ++later) {
            const TestRecord& record = records[order[later]];
            for (std::size_t earlier = first; earlier < later; ++earlier) {
                const TestRecord& other = records[order[earlier]];
                if (other.net == record.net ||
                    !SidesMeet(SideOf(record.access, bottom), record.access, SideOf(other.access, bottom), other.access))
                    continue;
                netlist.findings.error(record.line, 42, "a test point of net " + netlist.netNames[record.net] +
                                                            " at the place and side of line " +
                                                            std::to_string(other.line) + ", a test point of net " +
                                                            netlist.netNames[other.net]);
                break;
            }
        }
        first = end;
    }
}

} // namespace nodewick::check
