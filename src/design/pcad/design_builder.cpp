#include "design/pcad/design_builder.h"

#include <algorithm>

#include "design/component_index.h"
#include "dbx/fixed_text.h"
#include "dbx/records.h"
#include "design/pcad/pins.h"
#include "design/pcad/placement.h"

namespace nodewick::design::pcad {
namespace {

inline constexpr std::int32_t kNoNet = -1;

// DBX text fields hold 100 bytes (attribute values 256). A longer text is cut
// to fit, and the user is told which one.
std::string FitField(std::string text, std::size_t capacity, std::string_view what, Reporter& reporter)
{
    if (text.size() <= capacity)
        return text;
    reporter.warn(std::string(what) + " " + Quoted(text) + " is longer than " + Decimal(static_cast<std::int64_t>(capacity)) +
                  " bytes and is cut to fit");
    text.resize(capacity);
    return text;
}

struct PlacedPad {
    BoardPad board;
    std::int32_t styleId = 0;
    std::string pin;
    std::int32_t net = kNoNet;  // the net that already took this pad
};

struct PlacedPart {
    std::string refDes;  // fitted to its DBX field
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
        reporter.warn(placement.line, "the part " + Quoted(placement.refDes) +
                                          " has no component (compInst); its pins are the pattern's pad designators");
        return nullptr;
    }
    const std::optional<std::size_t> compDef = library.compDefNames.find(part->second);
    if (!compDef) {
        reporter.warn(placement.line, "the part " + Quoted(placement.refDes) + " uses the component " +
                                          Quoted(part->second) +
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
    const PartFrame frame{{at.x.databaseUnits, at.y.databaseUnits}, at.rotation, at.flipped};

    PlacedPart part;
    part.refDes = FitField(placement.refDes, dbx::kTextFieldSize, "the reference designator", reporter);
    part.side = placement.place.flipped ? 1 : 0;
    part.pads.reserve(graphics.pads.size());
    for (const PatternPad& pad : graphics.pads) {
        PlacedPad placed;
        placed.board = PlacePad({pad.place.x.databaseUnits, pad.place.y.databaseUnits}, pad.place.rotation,
                                pad.place.flipped, frame, placement.line, reporter);
        placed.styleId = pad.styleId;
        placed.pin = PinOfPad(pad, pinMap);
        part.pads.push_back(std::move(placed));
    }
    std::stable_sort(part.pads.begin(), part.pads.end(), PlacedPart::PinOrder{});
    return part;
}

Node NodeOf(const PlacedPart& part, const PlacedPad& pad, Reporter& reporter)
{
    return {
        .refDes = part.refDes,
        .pin = FitField(pad.pin, dbx::kTextFieldSize, "the pin designator", reporter),
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
        design.title = FitField(board_.fields.title, dbx::kTextFieldSize, "the title", reporter_);
        design.engineer = FitField(board_.fields.author, dbx::kTextFieldSize, "the author", reporter_);
        design.revision = FitField(board_.fields.revision, dbx::kTextFieldSize, "the revision", reporter_);
        design.drawingNumber = FitField(board_.fields.drawingNumber, dbx::kTextFieldSize, "the drawing number", reporter_);
        for (const Layer& layer : board_.layers)
            design.layers.push_back({layer.id, FitField(layer.name, dbx::kTextFieldSize, "the layer name", reporter_), layer.type});
        design.padStyles = fittedStyles(library_.padStyles);
        design.viaStyles = fittedStyles(library_.viaStyles);
        placeParts(design);
        addNets(design);
        addNodes(design);
        addFreePads(design);
        addVias(design);
        return design;
    }

private:
    std::vector<Style> fittedStyles(std::vector<Style> styles)
    {
        for (Style& style : styles)
            style.name = FitField(std::move(style.name), dbx::kTextFieldSize, "the style name", reporter_);
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
                reporter_.warn(placement.line, "the part " + Quoted(placement.refDes) +
                                                   " is placed twice; net nodes go to the first");
        }
    }

    void addNets(Design& design)
    {
        for (std::size_t i = 0; i < netlist_.nets.size(); ++i) {
            const NetDef& source = netlist_.nets[i];
            Net net;
            net.id = static_cast<std::int32_t>(i + 1);
            net.name = FitField(source.name, dbx::kTextFieldSize, "the net name", reporter_);
            for (const Attribute& attribute : source.attributes) {
                net.attributes.push_back({FitField(attribute.name, dbx::kTextFieldSize, "the net attribute name", reporter_),
                                          FitField(attribute.value, dbx::kAttributeValueSize, "the net attribute value",
                                                   reporter_)});
            }
            design.nets.push_back(std::move(net));
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
            reporter_.warn(node.line, "the net " + Quoted(net.name) + " names the part " + Quoted(node.refDes) +
                                          ", which is not placed; the node is skipped");
            return;
        }
        PlacedPart& part = parts_[*found];
        const auto [first, last] = part.padsOf(node.pin);
        if (first == last) {
            reporter_.warn(node.line, "the net " + Quoted(net.name) + " names pin " + Quoted(node.pin) + " of " +
                                          Quoted(node.refDes) + ", which has no pad with that pin; the node is skipped");
            return;
        }
        for (auto it = first; it != last; ++it) {
            PlacedPad& pad = *it;
            if (pad.net != kNoNet) {
                reporter_.warn(node.line, "pin " + Quoted(node.pin) + " of " + Quoted(node.refDes) +
                                              " is already a node of the net " +
                                              Quoted(netlist_.nets[pad.net].name) + "; it is not added again");
                continue;
            }
            pad.net = netIndex;
            net.nodes.push_back(NodeOf(part, pad, reporter_));
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
                .pin = FitField(pad.defaultPinDes.value_or(""), dbx::kTextFieldSize, "the pin designator", reporter_),
                .padStyle = pad.styleId,
                .x = ToDatabaseUnits(at.x.databaseUnits, freePad.line, reporter_),
                .y = ToDatabaseUnits(at.y.databaseUnits, freePad.line, reporter_),
                .flip = at.flipped ? 1 : 0,
                .rotation = ToTenthsOfDegree(at.rotation, freePad.line, reporter_),
                .componentSide = 0,
            });
        }
    }

    void addVias(Design& design)
    {
        for (const BoardVia& via : board_.vias) {
            const std::optional<std::size_t> net = netNamed(via.netName, via.line);
            if (!net)
                continue;
            design.nets[*net].items.push_back({
                .type = dbx::kItemTypeVia,
                .x = ToDatabaseUnits(via.place.x.databaseUnits, via.line, reporter_),
                .y = ToDatabaseUnits(via.place.y.databaseUnits, via.line, reporter_),
                .viaStyle = via.styleId,
                .rotation = ToTenthsOfDegree(via.place.rotation, via.line, reporter_),
                .flip = via.place.flipped ? 1 : 0,
            });
        }
    }

    const Library& library_;
    const Netlist& netlist_;
    const Board& board_;
    Reporter& reporter_;
    std::vector<PlacedPart> parts_;  // in placement order
    RefDesIndex<Placement, &Placement::refDes> partOfRefDes_;
};

} // namespace

Design BuildDesign(const Library& library, const Netlist& netlist, const Board& board, Reporter& reporter)
{
    return Builder(library, netlist, board, reporter).build();
}

} // namespace nodewick::design::pcad
