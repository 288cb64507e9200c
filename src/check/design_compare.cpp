#include "design_compare.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace nodewick::check {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;
// A record is at its point's place when it lies within one output unit on
// each axis; the small excess covers the binary fraction of the division.
constexpr double kReach = 1.0 + 1e-9;

std::string SideName(Side side)
{
    switch (side) {
    case Side::Both:
        return "both sides";
    case Side::Top:
        return "the top side";
    case Side::Bottom:
        return "the bottom side";
    case Side::Inner:
        return "an inner layer";
    }
    return {};
}

std::string PointName(const DesignPoint& point)
{
    if (point.kind == PointKind::Via)
        return "via";
    if (point.refDes.empty())
        return "free pad";
    return "pad " + point.refDes + "-" + point.pin;
}

bool RecordDrilled(const TestRecord& record)
{
    return record.kind == RecordKind::ThroughHole || record.kind == RecordKind::BlindBuried;
}

// The bottom side's access code: what the netlist states, else the design's
// copper layer count, else the highest code in use.
std::int32_t BottomAccess(const Netlist& netlist, const DesignPoints& design)
{
    if (netlist.layerLines < 2 && design.listedLayers >= 2)
        return design.listedLayers;
    return netlist.bottomAccess();
}

class Comparison {
public:
    Comparison(Netlist& netlist, const DesignPoints& design)
        : netlist_(netlist),
          design_(design),
          findings_(netlist.findings),
          divisor_(DatabaseUnitsPerNetlistUnit(netlist.unitsOrInch())),
          bottom_(BottomAccess(netlist, design)),
          pointOfRecord_(netlist.records.size(), kNone),
          recordOfPoint_(design.points.size(), kNone)
    {
        byPlace_.reserve(netlist.records.size());
        for (std::uint32_t r = 0; r < netlist.records.size(); ++r)
            byPlace_.push_back({netlist.records[r].x, netlist.records[r].y, r});
        std::sort(byPlace_.begin(), byPlace_.end());
    }

    void run()
    {
        for (std::uint32_t point = 0; point < design_.points.size(); ++point)
            match(point);
        for (std::uint32_t point = 0; point < design_.points.size(); ++point)
            checkPoint(point);
        reportExtraRecords();
        checkPartition();
    }

private:
    // The records in order of place, their places kept beside them, so
    // that looking a place up reads one compact array.
    struct Placed {
        std::int64_t x;
        std::int64_t y;
        std::uint32_t record;
        auto operator<=>(const Placed&) const = default;
    };

    // The point's place in the netlist's units, offset included.
    std::pair<double, double> expectedPlace(const DesignPoint& point) const
    {
        return {static_cast<double>(point.x + netlist_.offsetX) / divisor_,
                static_cast<double>(point.y + netlist_.offsetY) / divisor_};
    }

    std::string placeText(const DesignPoint& point) const
    {
        const auto [x, y] = expectedPlace(point);
        return "X " + std::to_string(std::llround(x)) + " Y " + std::to_string(std::llround(y));
    }

    // How well an unmatched record at the point's place fits it: the same
    // kind (pad or via) first, then the same side, then the same pad name.
    int fit(const DesignPoint& point, const TestRecord& record) const
    {
        int score = 0;
        if ((point.kind == PointKind::Via) == record.isVia())
            score += 4;
        if (SideOf(record.access, bottom_) == point.side)
            score += 2;
        if (point.kind == PointKind::Pad && record.pin == point.pin)
            score += 1;
        return score;
    }

    // The most a record can fit a point: same kind and side, and for a pad
    // the same pin.
    static int perfectFit(const DesignPoint& point) { return point.kind == PointKind::Pad ? 7 : 6; }

    bool near(const TestRecord& record, double ex, double ey) const
    {
        return std::abs(static_cast<double>(record.x) - ex) <= kReach &&
            std::abs(static_cast<double>(record.y) - ey) <= kReach;
    }

    void take(std::uint32_t pointIndex, std::uint32_t record)
    {
        pointOfRecord_[record] = pointIndex;
        recordOfPoint_[pointIndex] = record;
        next_ = record + 1;
    }

    void match(std::uint32_t pointIndex)
    {
        const DesignPoint& point = design_.points[pointIndex];
        const auto [ex, ey] = expectedPlace(point);
        // A netlist written in the design's own order (ours is) has the
        // point's record next after the previous point's: taken at once when
        // nothing could fit better.
        if (next_ < netlist_.records.size() && pointOfRecord_[next_] == kNone) {
            const TestRecord& record = netlist_.records[next_];
            if (record.kind != RecordKind::Tooling && near(record, ex, ey) && fit(point, record) == perfectFit(point)) {
                take(pointIndex, next_);
                return;
            }
        }
        int best = -1;
        std::uint32_t bestRecord = kNone;
        for (auto x = static_cast<std::int64_t>(std::ceil(ex - kReach)); x <= std::floor(ex + kReach); ++x) {
            const Placed low{x, static_cast<std::int64_t>(std::ceil(ey - kReach)), 0};
            for (auto at = std::lower_bound(byPlace_.begin(), byPlace_.end(), low);
                 at != byPlace_.end() && at->x == x && static_cast<double>(at->y) <= ey + kReach; ++at) {
                const TestRecord& record = netlist_.records[at->record];
                if (pointOfRecord_[at->record] != kNone || record.kind == RecordKind::Tooling)
                    continue;
                if (const int score = fit(point, record); score > best) {
                    best = score;
                    bestRecord = at->record;
                }
            }
        }
        // A pad is not taken for a via record or the other way round: the
        // two findings (missing, extra) say more than a wrong match would.
        if (bestRecord == kNone || (point.kind == PointKind::Via) != netlist_.records[bestRecord].isVia())
            return;
        take(pointIndex, bestRecord);
    }

    void checkPoint(std::uint32_t pointIndex)
    {
        const DesignPoint& point = design_.points[pointIndex];
        const std::string name = PointName(point) + " of net " + design_.nets[point.net].name;
        const std::uint32_t recordIndex = recordOfPoint_[pointIndex];
        if (recordIndex == kNone) {
            findings_.error(0, 0, name + " has no test record at " + placeText(point) + " on " + SideName(point.side));
            return;
        }
        const TestRecord& record = netlist_.records[recordIndex];
        const Side side = SideOf(record.access, bottom_);
        if (side == Side::Both && point.side != Side::Both)
            findings_.error(record.line, 40,
                            name + " is on " + SideName(point.side) + "; this record has it reached from both sides");
        else if (point.side == Side::Both && side != Side::Both)
            findings_.warning(record.line, 40,
                              name + " is reached from both sides; this record has it on " + SideName(side) + " only");
        else if (side != point.side)
            findings_.error(record.line, 40,
                            name + " is on " + SideName(point.side) + "; this record puts it on " + SideName(side));
        if (RecordDrilled(record) != point.drilled)
            findings_.error(record.line, 1,
                            name +
                                (point.drilled ? " is drilled; this record is a surface record"
                                               : " has no hole; this record is a drilled record"));
    }

    void reportExtraRecords()
    {
        for (std::uint32_t r = 0; r < netlist_.records.size(); ++r) {
            const TestRecord& record = netlist_.records[r];
            if (pointOfRecord_[r] != kNone || record.kind == RecordKind::Tooling)
                continue;
            const std::string what = record.isVia()
                ? std::string("via")
                : "pad " + std::string(record.refDes) + "-" + std::string(record.pin);
            findings_.error(record.line, 42,
                            "the design has no " + what + " at X " + std::to_string(record.x) + " Y " +
                                std::to_string(record.y) + " for this record");
        }
    }

    // Each design net is written as the netlist net that holds most of its
    // test points; records in another net are reported one by one, and a
    // netlist net that so stands for several design nets joins them unless
    // they are tied together.
    void checkPartition()
    {
        struct Pairing {
            std::uint32_t designNet;
            std::uint32_t netlistNet;
            std::uint32_t record;
        };
        std::vector<Pairing> pairs;
        for (std::uint32_t point = 0; point < design_.points.size(); ++point)
            if (recordOfPoint_[point] != kNone)
                pairs.push_back(
                    {design_.points[point].net, netlist_.records[recordOfPoint_[point]].net, recordOfPoint_[point]});
        std::sort(pairs.begin(), pairs.end(), [](const Pairing& a, const Pairing& b) {
            return std::tie(a.designNet, a.netlistNet, a.record) < std::tie(b.designNet, b.netlistNet, b.record);
        });
        // For each netlist net, the design nets it stands for, with the
        // first record of each.
        std::map<std::uint32_t, std::vector<std::pair<std::uint32_t, std::uint32_t>>> standsFor;
        for (std::size_t first = 0; first < pairs.size();) {
            std::size_t end = first;
            while (end < pairs.size() && pairs[end].designNet == pairs[first].designNet)
                ++end;
            const std::uint32_t image = majority(pairs, first, end);
            const std::string& designName = design_.nets[pairs[first].designNet].name;
            std::uint32_t firstRecord = kNone;
            for (std::size_t i = first; i < end; ++i) {
                const TestRecord& record = netlist_.records[pairs[i].record];
                if (pairs[i].netlistNet == image) {
                    firstRecord = std::min(firstRecord, pairs[i].record);
                    continue;
                }
                findings_.error(record.line, 4,
                                PointName(design_.points[pointOfRecord_[pairs[i].record]]) + " belongs to net " +
                                    designName + " of the design, whose other " + "test points are in net " +
                                    netlist_.netNames[image] + "; this record puts it in net " +
                                    netlist_.netNames[record.net]);
            }
            standsFor[image].emplace_back(firstRecord, pairs[first].designNet);
            first = end;
        }
        for (auto& [netlistNet, designNets] : standsFor)
            reportJoined(netlistNet, designNets);
    }

    // The netlist net most of pairs[first, end) are in; on a tie, the one of
    // the earliest record.
    std::uint32_t majority(const auto& pairs, std::size_t first, std::size_t end) const
    {
        std::uint32_t best = pairs[first].netlistNet;
        std::size_t bestCount = 0;
        std::uint32_t bestRecord = kNone;
        for (std::size_t i = first; i < end;) {
            std::size_t j = i;
            while (j < end && pairs[j].netlistNet == pairs[i].netlistNet)
                ++j;
            if (j - i > bestCount || (j - i == bestCount && pairs[i].record < bestRecord)) {
                best = pairs[i].netlistNet;
                bestCount = j - i;
                bestRecord = pairs[i].record;
            }
            i = j;
        }
        return best;
    }

    void reportJoined(std::uint32_t netlistNet, std::vector<std::pair<std::uint32_t, std::uint32_t>>& designNets)
    {
        if (designNets.size() < 2)
            return;
        std::sort(designNets.begin(), designNets.end());
        const DesignNet& first = design_.nets[designNets.front().second];
        for (std::size_t i = 1; i < designNets.size(); ++i) {
            const DesignNet& other = design_.nets[designNets[i].second];
            if (first.tie && other.tie && *first.tie == *other.tie)
                continue;
            findings_.error(netlist_.records[designNets[i].first].line, 4,
                            "net " + netlist_.netNames[netlistNet] + " joins nets " + first.name + " and " +
                                other.name + " of the design, which are not tied together");
        }
    }

    Netlist& netlist_;
    const DesignPoints& design_;
    Findings& findings_;
    std::int32_t divisor_;
    std::int32_t bottom_;
    std::vector<Placed> byPlace_;
    std::vector<std::uint32_t> pointOfRecord_;
    std::vector<std::uint32_t> recordOfPoint_;
    std::uint32_t next_ = 0;  // the record after the last one matched
};

}  // namespace

void CompareWithDesign(Netlist& netlist, const DesignPoints& design)
{
    Comparison(netlist, design).run();
    netlist.findings.sort();
}

}  // namespace nodewick::check
