#include "design/pcad/design_builder.h"

#include <algorithm>

#include "design/component_index.h"
#include "design/field_text.h"
#include "dbx/records.h"
#include "design/pcad/pins.h"
#include "design/pcad/placement.h"

namespace nodewick::design::pcad {
namespace {

inline constexpr std::int32_t kNoNet = -1;

// Holds a text to the rules of DBX texts (design/field_text.h): one that
// breaks them is an error naming the text and, where the item has one, its
// line. Shown with its first 40 bytes, as a long text may be the fault.
std::string CheckedText(std::string text, FieldText use, std::string_view what, std::uint32_t line,
                        const Reporter& reporter)
{
    const std::optional<std::string> problem = FieldTextProblem(text, use);
    if (!problem)
        return text;
    std::string shown;
    for (const char c : std::string_view(text).substr(0, 40))
        shown += static_cast<unsigned char>(c) < 32 || c == 127 ? '?' : c;
    const std::string message = std::string(what) + " " + Quoted(shown) + (text.size() > 40 ? "..." : "") + ": " +
        *problem;
    if (line == 0)
        reporter.fail(message);
    reporter.fail(line, message);
}

struct PlacedPad {
    BoardPad board;
    std::int32_t styleId = 0;
    std::string pin;
    std::int32_t net = kNoNet;  // the net that already took this pad
};

struct PlacedPart {
    std::string refDes;  // checked against the rules of DBX texts
    std::int32_t side = 0;
    // Sorted by pin, pads of one pin in pattern order: a pin's pads are found
    // by binary search, without a map per part or a second array to go
    // through.
    std::vector<PlacedPad> pads;

    auto padsOf(const std::string& pin) { return std::equal_range(pads.begin(), pads.end(), pin, PinOrder{}); }

    struct PinOrder {
        bool operator()(const PlacedPad& a, const std::string& pin) const { return a.pin < pin; }
        bool operator()(const std::string& pin, const PlacedPad& b) const { return pin < b.pin; }
        bool operator()(const PlacedPad& a, const PlacedPad& b) const { return a.pin < b.pin; }
    };
};

const AttachedPattern* PinMapOf(const Placement& placement, const PatternDef& pattern, const Library& library,
                                const Netlist& netlist, Reporter& reporter)
{
    const auto part = netlist.compDefOfPart.find(placement.refDes);
    if (part == netlist.compDefOfPart.end()) {
        reporter.warn(placement.line,
                      "the part " + Quoted(placement.refDes) +
                          " has no component (compInst); its pins are the pattern's pad designators");
        return nullptr;
    }
    const std::optional<std::size_t> compDef = library.compDefNames.find(part->second);
    if (!compDef) {
        reporter.warn(placement.line,
                      "the part " + Quoted(placement.refDes) + " uses the component " + Quoted(part->second) +
                          ", which is not defined; its pins are the pattern's pad designators");
        return nullptr;
    }
    return ChoosePinMap(library.compDefs[*compDef], pattern);
}

PlacedPart PlacePart(const Placement& placement, const Library& library, const Netlist& netlist, Reporter& reporter)
{
    const PatternDef& pattern = library.patterns[placement.pattern];
    const PatternGraphics& graphics = pattern.graphics[placement.graphics];
    const AttachedPattern* pinMap = PinMapOf(placement, pattern, library, netlist, reporter);
    const ItemPlace& at = placement.place;
    const PartFrame frame{{double(at.x.databaseUnits), double(at.y.databaseUnits)}, at.rotation, at.flipped};

    PlacedPart part;
    part.refDes = CheckedText(placement.refDes, kWrittenText, "the reference designator", placement.line, reporter);
    part.side = placement.place.flipped ? 1 : 0;
    part.pads.reserve(graphics.pads.size());
    for (const PatternPad& pad : graphics.pads) {
        PlacedPad placed;
        placed.board = PlacePad({double(pad.place.x.databaseUnits), double(pad.place.y.databaseUnits)},
                                pad.place.rotation, pad.place.flipped, frame, placement.line, reporter);
        placed.styleId = pad.styleId;
        placed.pin = PinOfPad(pad, pinMap);
        part.pads.push_back(std::move(placed));
    }
    std::stable_sort(part.pads.begin(), part.pads.end(), PlacedPart::PinOrder{});
    return part;
}

Node NodeOf(const PlacedPart& part, const PlacedPad& pad, std::uint32_t line, const Reporter& reporter)
{
    return {
        .refDes = part.refDes,
        .pin = CheckedText(pad.pin, kWrittenText, "the pin designator of " + Quoted(part.refDes), line, reporter),
        .padStyle = pad.styleId,
        .x = pad.board.x,
        .y = pad.board.y,
        .flip = pad.board.flip,
        .rotation = pad.board.rotation,
        .componentSide = part.side,
    };
}

class Builder {
public:
    Builder(const Library& library, const Netlist& netlist, const Board& board, Reporter& reporter)
        : library_(library), netlist_(netlist), board_(board), reporter_(reporter), partOfRefDes_(board.placements)
    {
    }

    Design build()
    {
        Design design;
        design.title = CheckedText(board_.fields.title, kWrittenText, "the title", 0, reporter_);
        design.engineer = CheckedText(board_.fields.author, kWrittenText, "the author", 0, reporter_);
        design.revision = CheckedText(board_.fields.revision, kWrittenText, "the revision", 0, reporter_);
        design.drawingNumber = CheckedText(board_.fields.drawingNumber, kWrittenText, "the drawing number", 0,
                                           reporter_);
        for (const Layer& layer : board_.layers)
            design.layers.push_back(
                {layer.id, CheckedText(layer.name, kWrittenText, "the layer name", 0, reporter_), layer.type});
        design.padStyles = checkedStyles(library_.padStyles);
        design.viaStyles = checkedStyles(library_.viaStyles);
        placeParts(design);
        addNets(design);
        addNodes(design);
        addFreePads(design);
        addVias(design);
        addPatternVias(design);
        return design;
    }

private:
    std::vector<Style> checkedStyles(std::vector<Style> styles)
    {
        for (Style& style : styles)
            style.name = CheckedText(std::move(style.name), kKeptText, "the style name", 0, reporter_);
        return styles;
    }

    void placeParts(Design& design)
    {
        parts_.reserve(board_.placements.size());
        for (const Placement& placement : board_.placements) {
            parts_.push_back(PlacePart(placement, library_, netlist_, reporter_));
            const PlacedPart& part = parts_.back();
            design.components.push_back({part.refDes, part.side, static_cast<std::int32_t>(part.pads.size())});
            if (partOfRefDes_.find(placement.refDes) != parts_.size() - 1)
                reporter_.warn(placement.line,
                               "the part " + Quoted(placement.refDes) + " is placed twice; net nodes go to the first");
        }
    }

    void addNets(Design& design)
    {
        for (std::size_t i = 0; i < netlist_.nets.size(); ++i) {
            const NetDef& source = netlist_.nets[i];
            Net net;
            net.id = static_cast<std::int32_t>(i + 1);
            net.name = CheckedText(source.name, kWrittenText, "the net name", source.line, reporter_);
            for (const Attribute& attribute : source.attributes) {
                net.attributes.push_back(
                    {CheckedText(attribute.name, kKeptText, "the attribute name", source.line, reporter_),
                     CheckedText(attribute.value, AttributeValueUse(attribute.name),
                                 "the value of the attribute " + Quoted(attribute.name), source.line, reporter_)});
            }
            design.nets.push_back(std::move(net));
        }
        if (const std::optional<RepeatedName> repeated = FirstRepeatedNetName(design.nets)) {
            const NetDef& earlier = netlist_.nets[repeated->earlier];
            const NetDef& later = netlist_.nets[repeated->later];
            reporter_.fail(later.line,
                           "the net " + Quoted(later.name) + " has the name of the net " + Quoted(earlier.name) +
                               " of line " + Decimal(earlier.line) +
                               " (blanks at the ends do not count); two nets of one name would be "
                               "written as one");
        }
    }

    void addNodes(Design& design)
    {
        for (std::size_t net = 0; net < netlist_.nets.size(); ++net) {
            design.nets[net].nodes.reserve(netlist_.nets[net].nodes.size());
            for (const NodeRef& node : netlist_.nets[net].nodes)
                addNode(node, static_cast<std::int32_t>(net), design.nets[net]);
        }
    }

    void addNode(const NodeRef& node, std::int32_t netIndex, Net& net)
    {
        const std::optional<std::size_t> found = partOfRefDes_.find(node.refDes);
        if (!found) {
            reporter_.warn(node.line,
                           "the net " + Quoted(net.name) + " names the part " + Quoted(node.refDes) +
                               ", which is not placed; the node is skipped");
            return;
        }
        PlacedPart& part = parts_[*found];
        const auto [first, last] = part.padsOf(node.pin);
        if (first == last) {
            reporter_.warn(node.line,
                           "the net " + Quoted(net.name) + " names pin " + Quoted(node.pin) + " of " +
                               Quoted(node.refDes) + ", which has no pad with that pin; the node is skipped");
            return;
        }
        for (auto it = first; it != last; ++it) {
            PlacedPad& pad = *it;
            if (pad.net != kNoNet) {
                reporter_.warn(node.line,
                               "pin " + Quoted(node.pin) + " of " + Quoted(node.refDes) +
                                   " is already a node of the net " + Quoted(netlist_.nets[pad.net].name) +
                                   "; it is not added again");
                continue;
            }
            pad.net = netIndex;
            net.nodes.push_back(NodeOf(part, pad, node.line, reporter_));
        }
    }

    // The net a free pad or via names; an empty name means none, a name no
    // net has is an error.
    std::optional<std::size_t> netNamed(const std::optional<std::string>& name, std::uint32_t line) const
    {
        if (!name || name->empty())
            return std::nullopt;
        const std::optional<std::size_t> net = netlist_.netNames.find(*name);
        if (!net)
            reporter_.fail(line, "an item refers to the net " + Quoted(*name) + ", which is not defined");
        return net;
    }

    void addFreePads(Design& design)
    {
        for (const FreePad& freePad : board_.freePads) {
            const std::optional<std::size_t> net = netNamed(freePad.netName, freePad.line);
            if (!net)
                continue;
            const PatternPad& pad = freePad.pad;
            const ItemPlace& at = pad.place;
            design.nets[*net].nodes.push_back({
                .refDes = {},
                .pin = CheckedText(pad.defaultPinDes.value_or(""), kWrittenText, "the pin designator of a free pad",
                                   freePad.line, reporter_),
                .padStyle = pad.styleId,
                .x = at.x.databaseUnits,
                .y = at.y.databaseUnits,
                .flip = at.flipped ? 1 : 0,
                .rotation = ToTenthsOfDegree(at.rotation, freePad.line, reporter_),
                .componentSide = 0,
            });
        }
    }

    void addVias(Design& design)
    {
        for (const PatternVia& via : board_.vias) {
            const std::optional<std::size_t> net = netNamed(via.netName, via.line);
            if (!net)
                continue;
            design.nets[*net].items.push_back({
                .type = dbx::kItemTypeVia,
                .x = via.place.x.databaseUnits,
                .y = via.place.y.databaseUnits,
                .viaStyle = via.styleId,
                .rotation = ToTenthsOfDegree(via.place.rotation, via.line, reporter_),
                .flip = via.place.flipped ? 1 : 0,
            });
        }
    }

    // The vias inside the placed parts' patterns, part by part after the
    // board's own: each that names a net is a via of it, placed with its
    // part; one without a net is no test point.
    void addPatternVias(Design& design)
    {
        for (const Placement& placement : board_.placements) {
            const PatternDef& pattern = library_.patterns[placement.pattern];
            const ItemPlace& at = placement.place;
            const PartFrame frame{{double(at.x.databaseUnits), double(at.y.databaseUnits)}, at.rotation, at.flipped};
            for (const PatternVia& via : pattern.graphics[placement.graphics].vias) {
                const std::optional<std::size_t> net = netNamed(via.netName, via.line);
                if (!net) {
                    reporter_.warn(via.line,
                                   "a via of the pattern " + Quoted(pattern.name) + " in the part " +
                                       Quoted(placement.refDes) +
                                       " names no net (netNameRef); it is no test point and is skipped");
                    continue;
                }
                const BoardPad placed = PlacePad({double(via.place.x.databaseUnits), double(via.place.y.databaseUnits)},
                                                 via.place.rotation, via.place.flipped, frame, via.line, reporter_);
                design.nets[*net].items.push_back({
                    .type = dbx::kItemTypeVia,
                    .x = placed.x,
                    .y = placed.y,
                    .viaStyle = via.styleId,
                    .rotation = placed.rotation,
                    .flip = placed.flip,
                });
            }
        }
    }

    const Library& library_;
    const Netlist& netlist_;
    const Board& board_;
    Reporter& reporter_;
    std::vector<PlacedPart> parts_;  // in placement order
    RefDesIndex<Placement, &Placement::refDes> partOfRefDes_;
};

}  // namespace

Design BuildDesign(const Library& library, const Netlist& netlist, const Board& board, Reporter& reporter)
{
    return Builder(library, netlist, board, reporter).build();
}

}  // namespace nodewick::design::pcad
