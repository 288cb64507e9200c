#include "synthetic_board.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "board_library.h"
#include "net_names.h"
#include "random.h"

namespace nodewick::bench {
namespace {

// Components sit in a square that grows with the board; with the margin every
// coordinate stays between 5 mm and 895 mm, six output digits in either unit.
constexpr std::int32_t kMargin = 30 * kDbPerMm;
constexpr std::int32_t kLargestArea = 840 * kDbPerMm;
constexpr std::int32_t kSmallestArea = 60 * kDbPerMm;

// Supply nets, in the order they are made; the rail weights say how often a
// chip or a decoupling capacitor hangs on each.
enum Supply : std::uint32_t {
    kGnd,
    kVcc,
    k3V3,
    k1V8,
    k5V,
    kMinus12V,
    kCore,
    kIo,
    kShield,
    kBackplane12V,
    kSupplyCount
};
constexpr std::array<std::string_view, kSupplyCount> kSupplyNames = {
    "GND", "VCC", "+3V3", "+1V8", "+5V", "-12V", "VCC_CORE_0V9", "VCCIO_2V5", "SHIELD", "+12V_BACKPLANE_MAIN"};
constexpr std::array<std::pair<Supply, std::uint32_t>, 6> kRailWeights = {
    {{kVcc, 20}, {k3V3, 30}, {k1V8, 20}, {kCore, 15}, {kIo, 10}, {kMinus12V, 5}}};

constexpr std::array<std::int32_t, 7> kOddRotations = {450, 1350, 300, 125, 3333, 2255, 15};

std::int32_t RoundToDb(double value)
{
    return static_cast<std::int32_t>(std::lround(value));
}

// A pad's place relative to its footprint origin turned counter-clockwise by
// the placement's rotation, then mirrored about the vertical axis on the
// bottom side: the way P-CAD places footprint pads.
std::pair<std::int32_t, std::int32_t> PlacePoint(std::int32_t x, std::int32_t y, std::int32_t rotation, bool mirror)
{
    std::int32_t turnedX = x;
    std::int32_t turnedY = y;
    switch (rotation) {
    case 0:
        break;
    case 900:
        turnedX = -y;
        turnedY = x;
        break;
    case 1800:
        turnedX = -x;
        turnedY = -y;
        break;
    case 2700:
        turnedX = y;
        turnedY = -x;
        break;
    default: {
        const double angle = rotation / 10.0 * std::numbers::pi / 180.0;
        turnedX = RoundToDb(x * std::cos(angle) - y * std::sin(angle));
        turnedY = RoundToDb(x * std::sin(angle) + y * std::cos(angle));
    }
    }
    return {mirror ? -turnedX : turnedX, turnedY};
}

SynthNet NamedNet(std::string name)
{
    SynthNet net;
    net.name = std::move(name);
    return net;
}

std::uint32_t DrawNetSize(Random& random)
{
    const std::uint32_t draw = random.Below(1000);
    if (draw < 600)
        return 2;
    if (draw < 740)
        return 3;
    if (draw < 830)
        return 4;
    if (draw < 880)
        return 5;
    if (draw < 950)
        return static_cast<std::uint32_t>(random.Between(6, 10));
    if (draw < 985)
        return static_cast<std::uint32_t>(random.Between(11, 30));
    if (draw < 995)
        return static_cast<std::uint32_t>(random.Between(31, 80));
    return static_cast<std::uint32_t>(random.Between(81, 200));
}

std::int32_t DrawViaStyle(Random& random)
{
    const std::uint32_t draw = random.Below(1000);
    if (draw < 450)
        return kViaThrough;
    if (draw < 750)
        return kViaThroughSmall;
    if (draw < 850)
        return kViaThroughMil;
    if (draw < 890)
        return kViaBlindTop;
    if (draw < 920)
        return kViaBlindBottom;
    if (draw < 950)
        return kViaBuried;
    return kViaSurface;
}

class BoardBuilder {
public:
    explicit BoardBuilder(const BoardSpec& spec) : spec_(spec), random_(spec.seed) { }

    SyntheticBoard Build()
    {
        if (spec_.pads < 1)
            throw std::invalid_argument("a board needs at least one pad");
        board_.title = "Synthetic board, " + std::to_string(spec_.pads) + " pads";
        board_.engineer = "nodewick-gen";
        board_.revision = "seed " + std::to_string(spec_.seed);
        board_.drawingNumber = "BENCH-" + std::to_string(spec_.pads);
        board_.layers = BoardLayers();
        board_.padStyles = PadStyles();
        board_.viaStyles = ViaStyles();
        choices_ = PackageChoices();
        for (const auto& choice : choices_)
            board_.packages.push_back(choice.package);

        area_ = std::clamp(static_cast<std::int32_t>(std::sqrt(static_cast<double>(spec_.pads)) * 0.9 * kDbPerMm),
                           kSmallestArea, kLargestArea);
        const std::int64_t freePads = spec_.pads / 300;
        MakeSupplyNets();
        PlaceComponents(spec_.pads - freePads);
        FormSignalNets();
        AddFreePads(freePads);
        AddSpareNets();
        AddAttributes();
        AddVias();
        ShuffleNets();
        return std::move(board_);
    }

private:
    void MakeSupplyNets()
    {
        for (std::string_view name : kSupplyNames) {
            board_.nets.push_back(NamedNet(std::string(name)));
            usedNames_.insert(std::string(name));
        }
        board_.nets[kGnd].attributes.push_back({"NetClass", "POWER"});
    }

    Supply DrawRail()
    {
        std::uint32_t draw = random_.Below(100);
        for (const auto& [rail, weight] : kRailWeights) {
            if (draw < weight)
                return rail;
            draw -= weight;
        }
        return kVcc;
    }

    std::uint32_t DrawPackage(std::int64_t padsLeft)
    {
        std::uint32_t total = 0;
        for (const auto& choice : choices_)
            total += choice.weight;
        std::uint32_t draw = random_.Below(total);
        std::uint32_t index = 0;
        while (draw >= choices_[index].weight)
            draw -= choices_[index++].weight;
        // Near the end, small parts fill the count exactly.
        if (static_cast<std::int64_t>(choices_[index].package.pads.size()) > padsLeft)
            return padsLeft >= 2 ? 0 : FindSinglePad();
        return index;
    }

    std::uint32_t FindSinglePad() const
    {
        for (std::uint32_t i = 0; i < choices_.size(); ++i)
            if (choices_[i].package.kind == PackageKind::TestPoint)
                return i;
        throw std::logic_error("the footprint library has no single-pad part");
    }

    std::int32_t DrawRotation(PackageKind kind)
    {
        const std::uint32_t oddPerMille = (kind == PackageKind::Resistor || kind == PackageKind::Capacitor) ? 100
            : kind == PackageKind::Chip                                                                     ? 40
                                                                                                            : 0;
        if (random_.PerMille(oddPerMille))
            return kOddRotations[random_.Below(kOddRotations.size())];
        return static_cast<std::int32_t>(random_.Below(4)) * 900;
    }

    std::int32_t DrawCoordinate()
    {
        return kMargin + static_cast<std::int32_t>(random_.Below(static_cast<std::uint32_t>(area_)));
    }

    void PlaceComponents(std::int64_t componentPads)
    {
        std::unordered_map<std::string, std::uint32_t> nextNumber;
        std::int64_t placed = 0;
        while (placed < componentPads) {
            const std::uint32_t packageIndex = DrawPackage(componentPads - placed);
            const PackageChoice& choice = choices_[packageIndex];
            const std::string& prefix = choice.package.refPrefix;
            Placement placement{.package = packageIndex,
                                .refDes = prefix + std::to_string(++nextNumber[prefix]),
                                .x = DrawCoordinate(),
                                .y = DrawCoordinate(),
                                .rotation = DrawRotation(choice.package.kind),
                                .bottom = random_.PerMille(choice.bottomPerMille)};
            board_.components.push_back(std::move(placement));
            ConnectPins(static_cast<std::uint32_t>(board_.components.size() - 1), choice.package);
            placed += static_cast<std::int64_t>(choice.package.pads.size());
        }
    }

    // Decides which net each pin of a new component hangs on: supply pins go
    // straight to their supply net, signal pins wait to be dealt into nets.
    void ConnectPins(std::uint32_t component, const Package& package)
    {
        const auto count = static_cast<std::uint32_t>(package.pads.size());
        auto toSupply = [&](std::uint32_t pad, Supply supply) {
            board_.nets[supply].nodes.push_back({component, pad});
        };
        auto toSignal = [&](std::uint32_t pad) { signalPins_.push_back({component, pad}); };
        switch (package.kind) {
        case PackageKind::Capacitor:
            if (random_.PerMille(450)) {
                toSupply(0, DrawRail());
                toSupply(1, kGnd);
                return;
            }
            [[fallthrough]];
        case PackageKind::Resistor:
        case PackageKind::Transistor:
        case PackageKind::TestPoint:
            for (std::uint32_t pad = 0; pad < count; ++pad)
                toSignal(pad);
            return;
        case PackageKind::MountingHole:
            toSupply(0, random_.PerMille(600) ? kGnd : kShield);
            return;
        case PackageKind::Chip:
        case PackageKind::Connector: {
            const bool chip = package.kind == PackageKind::Chip;
            const Supply rail = chip ? DrawRail() : (count >= 200 ? kBackplane12V : k5V);
            for (std::uint32_t pad = 0; pad < count; ++pad) {
                const std::uint32_t draw = random_.Below(1000);
                if (draw < (chip ? 200u : 180u))
                    toSupply(pad, kGnd);
                else if (draw < (chip ? 300u : 220u))
                    toSupply(pad, rail);
                else if (draw >= (chip ? 970u : 980u))
                    continue;  // not connected
                else
                    toSignal(pad);
            }
            return;
        }
        }
    }

    std::string UniqueName(std::string name)
    {
        while (!usedNames_.insert(name).second)
            name += "_X";
        return name;
    }

    void FormSignalNets()
    {
        for (std::size_t i = signalPins_.size(); i > 1; --i)
            std::swap(signalPins_[i - 1], signalPins_[random_.Below(static_cast<std::uint32_t>(i))]);
        std::size_t next = 0;
        firstSignalNet_ = board_.nets.size();
        while (signalPins_.size() - next >= 2) {
            std::size_t size = std::min<std::size_t>(DrawNetSize(random_), signalPins_.size() - next);
            if (signalPins_.size() - next - size == 1)
                ++size;
            SynthNet net = NamedNet(UniqueName(SignalNetName(static_cast<std::uint32_t>(board_.nets.size()), random_)));
            net.nodes.assign(signalPins_.begin() + static_cast<std::ptrdiff_t>(next),
                             signalPins_.begin() + static_cast<std::ptrdiff_t>(next + size));
            board_.nets.push_back(std::move(net));
            next += size;
        }
        if (next < signalPins_.size())
            board_.nets[kGnd].nodes.push_back(signalPins_[next]);
        signalNetEnd_ = board_.nets.size();
        signalPins_ = {};
    }

    std::size_t DrawSignalNet()
    {
        const auto count = static_cast<std::uint32_t>(signalNetEnd_ - firstSignalNet_);
        return count == 0 ? std::size_t{kGnd} : firstSignalNet_ + random_.Below(count);
    }

    // Test pads and fiducial-like pads that belong to no component, on signal
    // nets and on ground, some on the bottom side.
    void AddFreePads(std::int64_t count)
    {
        for (std::int64_t i = 0; i < count; ++i) {
            board_.freePads.push_back({.x = DrawCoordinate(),
                                       .y = DrawCoordinate(),
                                       .style = random_.PerMille(700) ? kSmdTestPoint : kThRound,
                                       .flipped = random_.PerMille(300)});
            const std::size_t net = random_.PerMille(650) ? DrawSignalNet() : std::size_t{kGnd};
            board_.nets[net].nodes.push_back({NodeRef::kFree, static_cast<std::uint32_t>(board_.freePads.size() - 1)});
        }
    }

    // Nets with no pads at all, as designs keep them for later use.
    void AddSpareNets()
    {
        const std::size_t count = (signalNetEnd_ - firstSignalNet_) / 400 + 1;
        for (std::size_t i = 0; i < count; ++i)
            board_.nets.push_back(NamedNet(UniqueName("SPARE_" + std::to_string(i + 1))));
    }

    // Tie groups share a first attribute TieNet; a few nets carry another
    // attribute first, with or without a TieNet behind it that must not count.
    void AddAttributes()
    {
        const std::size_t signalNets = signalNetEnd_ - firstSignalNet_;
        if (signalNets < 8)
            return;
        std::vector<bool> tied(board_.nets.size(), false);
        const auto groups = static_cast<std::uint32_t>(std::max<std::size_t>(2, signalNets / 500));
        for (std::uint32_t group = 0; group < groups; ++group) {
            const int members = random_.PerMille(700) ? 2 : 3;
            for (int m = 0; m < members; ++m) {
                std::size_t net = DrawSignalNet();
                while (tied[net])
                    net = DrawSignalNet();
                tied[net] = true;
                board_.nets[net].attributes.insert(board_.nets[net].attributes.begin(),
                                                   {"TieNet", TieGroupValue(group)});
            }
        }
        for (std::size_t net = firstSignalNet_; net < signalNetEnd_; ++net) {
            if (tied[net])
                continue;
            auto& attributes = board_.nets[net].attributes;
            const std::uint32_t draw = random_.Below(10000);
            if (draw < 150) {
                attributes.push_back({"NetClass", "DIFF_100R"});
                if (draw < 15)
                    attributes.push_back({"TieNet", "NOT_FIRST"});
            } else if (draw < 155) {
                attributes.push_back({"tienet", "LOWER_CASE"});
            }
        }
    }

    SynthVia ViaNear(std::int32_t x, std::int32_t y)
    {
        const std::int32_t low = kMargin / 2;
        const std::int32_t high = kMargin + area_ + kMargin / 2;
        SynthVia via{.x = std::clamp(x + random_.Between(-150000, 150000), low, high),
                     .y = std::clamp(y + random_.Between(-150000, 150000), low, high),
                     .style = DrawViaStyle(random_)};
        if (via.style == kViaSurface) {
            static constexpr std::array<std::int32_t, 4> kRotations = {0, 0, 900, 450};
            via.rotation = kRotations[random_.Below(4)];
            via.flipped = random_.PerMille(500);
        }
        const std::uint32_t traces = random_.Below(100);
        via.tracesAfter = traces < 50 ? 0 : traces < 85 ? 1 : 2;
        return via;
    }

    void AddVias()
    {
        for (std::size_t n = 0; n < board_.nets.size(); ++n) {
            SynthNet& net = board_.nets[n];
            net.tracesBefore = random_.Below(3) == 0 ? 1 : 0;
            if (net.nodes.empty()) {
                const int stitches = random_.Between(0, 2);
                for (int i = 0; i < stitches; ++i)
                    net.vias.push_back(ViaNear(DrawCoordinate(), DrawCoordinate()));
                continue;
            }
            const std::uint32_t chance = n < kSupplyCount ? 200 : 350;
            for (const NodeRef& node : net.nodes) {
                if (!random_.PerMille(chance))
                    continue;
                const BoardPad pad = board_.PadOf(node);
                net.vias.push_back(ViaNear(pad.x, pad.y));
            }
        }
    }

    // DBX lists nets in the design's own order, not sorted; the first net
    // must have a pad, because the export starts its net pass from net 1.
    void ShuffleNets()
    {
        auto& nets = board_.nets;
        for (std::size_t i = nets.size(); i > 1; --i)
            std::swap(nets[i - 1], nets[random_.Below(static_cast<std::uint32_t>(i))]);
        const auto withPads = std::find_if(nets.begin(), nets.end(),
                                           [](const SynthNet& net) { return !net.nodes.empty(); });
        if (withPads != nets.end())
            std::iter_swap(nets.begin(), withPads);
    }

    BoardSpec spec_;
    Random random_;
    SyntheticBoard board_;
    std::vector<PackageChoice> choices_;
    std::int32_t area_ = kSmallestArea;
    std::vector<NodeRef> signalPins_;
    std::unordered_set<std::string> usedNames_;
    std::size_t firstSignalNet_ = 0;
    std::size_t signalNetEnd_ = 0;
};

}  // namespace

std::int64_t SyntheticBoard::PadCount() const
{
    std::int64_t pads = static_cast<std::int64_t>(freePads.size());
    for (const Placement& component : components)
        pads += static_cast<std::int64_t>(packages[component.package].pads.size());
    return pads;
}

BoardPad SyntheticBoard::PadOf(NodeRef node) const
{
    if (node.component == NodeRef::kFree) {
        const FreePad& pad = freePads[node.pad];
        return {
            .refDes = {}, .pin = {}, .style = pad.style, .x = pad.x, .y = pad.y, .rotation = 0, .flip = pad.flipped};
    }
    const Placement& component = components[node.component];
    const PackagePad& pad = packages[component.package].pads[node.pad];
    const auto [dx, dy] = PlacePoint(pad.x, pad.y, component.rotation, component.bottom);
    return {.refDes = component.refDes,
            .pin = pad.pin,
            .style = pad.style,
            .x = component.x + dx,
            .y = component.y + dy,
            .rotation = (component.rotation + pad.rotation) % 3600,
            .flip = component.bottom != pad.flipped};
}

SyntheticBoard GenerateBoard(const BoardSpec& spec)
{
    return BoardBuilder(spec).Build();
}

BoardCounts CountBoard(const SyntheticBoard& board)
{
    BoardCounts counts{.pads = board.PadCount(),
                       .components = static_cast<std::int64_t>(board.components.size()),
                       .nets = static_cast<std::int64_t>(board.nets.size())};
    for (const SynthNet& net : board.nets) {
        const auto nodes = static_cast<std::int64_t>(net.nodes.size());
        counts.nodes += nodes;
        counts.vias += static_cast<std::int64_t>(net.vias.size());
        counts.largestNet = std::max(counts.largestNet, nodes);
        if (net.name.size() >= 14)
            ++counts.longNames;
        if (!net.attributes.empty() && net.attributes.front().name == "TieNet")
            ++counts.tieNets;
    }
    return counts;
}

}  // namespace nodewick::bench
