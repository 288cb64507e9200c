#include "design/stand_in_editor.h"

#include <string>
#include <utility>

#include "base/error.h"

namespace nodewick::design {
namespace {

// The conversation handle the stand-in hands out; callers never read it.
constexpr std::int32_t kConversationHandle = 1;

// Sets a DBX text field from a design text the constructor has already checked
// to fit.
template <std::size_t N>
void SetText(dbx::FixedText<N>& field, const std::string& text)
{
    field.assign(text);
}

// `what` names the text for the message; it is only called when the text
// breaks a rule of DBX texts, so that checking a large design builds no
// strings.
// Only the length is the stand-in's to check: the readers hold design texts
// to the rest of design/field_text.h, and a design made in memory may carry
// any bytes DBX could.
template <std::size_t N = dbx::kTextFieldSize, typename What>
void RequireFits(const std::string& text, What what)
{
    if (text.size() > N)
        throw DesignError(what() + " is " + std::to_string(text.size()) + " bytes long; its DBX field holds " +
                          std::to_string(N));
}

template <typename T, typename Id>
std::unordered_map<Id, std::size_t> IndexById(const std::vector<T>& list, Id T::*id, const std::string& what)
{
    std::unordered_map<Id, std::size_t> index;
    index.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!index.emplace(list[i].*id, i).second)
            throw DesignError(what + " id " + std::to_string(list[i].*id) + " appears twice");
    }
    return index;
}

void CheckTextsFit(const Design& design)
{
    const auto named = [](std::string what) { return [what = std::move(what)] { return what; }; };
    RequireFits(design.path, named("the design path"));
    RequireFits(design.title, named("the design title"));
    RequireFits(design.engineer, named("the design engineer"));
    RequireFits(design.revision, named("the design revision"));
    RequireFits(design.drawingNumber, named("the design drawing number"));
    for (const Layer& layer : design.layers)
        RequireFits(layer.name, [&] { return "the name of layer " + std::to_string(layer.id); });
    for (const auto* styles : {&design.padStyles, &design.viaStyles})
        for (const Style& style : *styles)
            RequireFits(style.name, [&] { return "the name of style " + std::to_string(style.id); });
    for (const Component& component : design.components)
        RequireFits(component.refDes, [&] { return "the reference designator " + component.refDes.substr(0, 20); });
    for (const Net& net : design.nets) {
        const auto of = [&](const char* what) { return [&net, what] { return what + std::to_string(net.id); }; };
        RequireFits(net.name, of("the name of net "));
        for (const Attribute& attribute : net.attributes) {
            RequireFits(attribute.name, of("an attribute name of net "));
            RequireFits<dbx::kAttributeValueSize>(attribute.value, of("an attribute value of net "));
        }
        for (const Node& node : net.nodes) {
            RequireFits(node.refDes, of("a node reference designator of net "));
            RequireFits(node.pin, of("a pin designator of net "));
        }
    }
}

// One step of a walk: delivers the entry at `next` and moves on, or gives the
// walk's end status (again and again once the end is reached).
template <typename T, typename Fill>
dbx::DbxStatus Step(const std::vector<T>& list, std::size_t& next, dbx::DbxStatus endStatus, Fill fill)
{
    if (next >= list.size())
        return endStatus;
    fill(list[next]);
    ++next;
    return dbx::status::kSuccess;
}

template <typename T, typename Fill>
dbx::DbxStatus First(const std::vector<T>& list, std::optional<std::size_t>& next, dbx::DbxStatus endStatus, Fill fill)
{
    next = 0;
    return Step(list, *next, endStatus, fill);
}

template <typename T, typename Fill>
dbx::DbxStatus Next(const std::vector<T>& list, std::optional<std::size_t>& next, dbx::DbxStatus endStatus, Fill fill)
{
    if (!next)
        return dbx::status::kGetFirstNotCalled;
    return Step(list, *next, endStatus, fill);
}

void FillLayer(const Layer& layer, dbx::LayerRecord& record)
{
    record.layerId = layer.id;
    SetText(record.layerName, layer.name);
    record.layerType = layer.type;
}

void FillNet(const Net& net, dbx::NetRecord& record)
{
    record.netId = net.id;
    SetText(record.netName, net.name);
    record.nodeCount = static_cast<std::int32_t>(net.nodes.size());
}

void FillNode(const Node& node, dbx::ItemRecord& record)
{
    // Every field is set, so nothing of an earlier item shows through.
    record.itemType = dbx::kItemTypePad;
    record.via = dbx::ItemRecord::Via{};
    SetText(record.pad.refDes, node.refDes);
    record.pad.padStyleId = node.padStyle;
    record.pad.x = node.x;
    record.pad.y = node.y;
    record.pad.flip = node.flip;
    record.pad.rotation = node.rotation;
    SetText(record.pad.pinDes, node.pin);
    record.component.side = node.componentSide;
}

void FillItem(const Item& item, dbx::ItemRecord& record)
{
    record = dbx::ItemRecord{};
    record.itemType = item.type;
    if (item.type != dbx::kItemTypeVia)
        return;
    record.via.x = item.x;
    record.via.y = item.y;
    record.via.viaStyleId = item.viaStyle;
    record.via.rotation = item.rotation;
    record.via.flip = item.flip;
}

void FillComponent(const Component& component, dbx::ComponentRecord& record)
{
    SetText(record.refDes, component.refDes);
    record.padCount = component.padCount;
    record.side = component.side;
}

void FillStyle(const Style& style, dbx::PadViaStyle& record)
{
    SetText(record.name, style.name);
    record.holeDiameter = style.hole;
    record.startLayer = style.startLayer;
    record.endLayer = style.endLayer;
    record.isHolePlated = style.plated ? 1 : 0;
}

// A style's shape on a layer is its entry for that layer id; P-CAD styles may
// instead define one shape for every layer of a type (all signal layers, all
// planes), used when the layer exists and has no entry of its own.
dbx::DbxStatus ShapeByLayer(const std::vector<Style>& styles, const auto& index,
                            const std::unordered_map<std::int32_t, std::int32_t>& layerTypes, std::int32_t styleId,
                            std::int32_t layerId, dbx::ShapeRecord& shape)
{
    const auto found = index.find(styleId);
    if (found == nullptr)
        return dbx::status::kInvalidPadstyle;
    const Style& style = styles[*found];
    for (const LayerShape& entry : style.shapes) {
        if (entry.layerId == layerId) {
            shape = dbx::ShapeRecord{.width = entry.width, .height = entry.height};
            return dbx::status::kSuccess;
        }
    }
    const auto layer = layerTypes.find(layerId);
    if (layer == layerTypes.end())
        return dbx::status::kShapeNotDefined;
    for (const LayerTypeShape& entry : style.typeShapes) {
        if (entry.layerType == layer->second) {
            shape = dbx::ShapeRecord{.width = entry.width, .height = entry.height};
            return dbx::status::kSuccess;
        }
    }
    return dbx::status::kShapeNotDefined;
}

}  // namespace

StandInEditor::StandInEditor(std::optional<Design> design) : design_(std::move(design))
{
    if (!design_)
        return;
    CheckTextsFit(*design_);
    netById_ = IdIndex(IndexById(design_->nets, &Net::id, "net"));
    padStyleById_ = IdIndex(IndexById(design_->padStyles, &Style::id, "pad style"));
    viaStyleById_ = IdIndex(IndexById(design_->viaStyles, &Style::id, "via style"));
    for (const Layer& layer : design_->layers) {
        if (!layerTypeById_.emplace(layer.id, layer.type).second)
            throw DesignError("layer id " + std::to_string(layer.id) + " appears twice");
    }
    for (const ForcedStatus& forced : design_->forcedStatuses)
        forced_.at(static_cast<std::size_t>(forced.operation)) = forced.status;
}

StandInEditor::IdIndex::IdIndex(std::unordered_map<std::int32_t, std::size_t> map)
{
    if (map.empty())
        return;
    std::int64_t low = map.begin()->first;
    std::int64_t high = low;
    for (const auto& [id, place] : map) {
        low = std::min<std::int64_t>(low, id);
        high = std::max<std::int64_t>(high, id);
    }
    if (high - low < 2 * static_cast<std::int64_t>(map.size()) + 16) {
        dense_ = true;
        base_ = low;
        slots_.assign(static_cast<std::size_t>(high - low + 1), kNone);
        for (const auto& [id, place] : map)
            slots_[static_cast<std::size_t>(id - low)] = place;
    } else {
        map_ = std::move(map);
    }
}

dbx::DbxStatus StandInEditor::gate(Operation operation) const
{
    if (!connected_)
        return dbx::status::kNoConnection;
    return forced_[static_cast<std::size_t>(operation)].value_or(dbx::status::kSuccess);
}

dbx::DbxStatus StandInEditor::TOpenDesign(std::int32_t, std::int32_t version, std::string_view designType,
                                          dbx::DbxContext& context)
{
    if (!design_)
        return dbx::status::kConnectionError;
    if (connected_)
        return dbx::status::kAlreadyConnected;
    if (const auto& forced = forced_[static_cast<std::size_t>(Operation::TOpenDesign)])
        return *forced;
    if (version != dbx::kDbxVersion)
        return dbx::status::kVersionIncompatible;
    if (designType != dbx::kDesignTypePcb)
        return dbx::status::kBadInput;
    connected_ = true;
    nextLayer_.reset();
    nextNet_.reset();
    nextComponent_.reset();
    nodeWalk_.reset();
    itemWalk_.reset();
    context.handle = kConversationHandle;
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TCloseDesign(dbx::DbxContext&, std::string_view)
{
    if (const dbx::DbxStatus refused = gate(Operation::TCloseDesign))
        return refused;
    connected_ = false;
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TGetDesignInfo(dbx::DbxContext&, dbx::DesignInfo& info)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetDesignInfo))
        return refused;
    SetText(info.designFile, design_->path);
    SetText(info.title, design_->title);
    SetText(info.engineer, design_->engineer);
    SetText(info.revision, design_->revision);
    SetText(info.drawingNumber, design_->drawingNumber);
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TGetFirstLayer(dbx::DbxContext&, dbx::LayerRecord& layer)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetFirstLayer))
        return refused;
    return First(design_->layers, nextLayer_, dbx::status::kNoMoreLayers, [&](const Layer& l) { FillLayer(l, layer); });
}

dbx::DbxStatus StandInEditor::TGetNextLayer(dbx::DbxContext&, dbx::LayerRecord& layer)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetNextLayer))
        return refused;
    return Next(design_->layers, nextLayer_, dbx::status::kNoMoreLayers, [&](const Layer& l) { FillLayer(l, layer); });
}

dbx::DbxStatus StandInEditor::TGetFirstNet(dbx::DbxContext&, dbx::NetRecord& net)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetFirstNet))
        return refused;
    return First(design_->nets, nextNet_, dbx::status::kNoMoreNets, [&](const Net& n) { FillNet(n, net); });
}

dbx::DbxStatus StandInEditor::TGetNextNet(dbx::DbxContext&, dbx::NetRecord& net)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetNextNet))
        return refused;
    return Next(design_->nets, nextNet_, dbx::status::kNoMoreNets, [&](const Net& n) { FillNet(n, net); });
}

dbx::DbxStatus StandInEditor::TGetNetById(dbx::DbxContext&, std::int32_t netId, dbx::NetRecord& net)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetNetById))
        return refused;
    const auto found = netById_.find(netId);
    if (found == nullptr)
        return dbx::status::kInvalidNetId;
    FillNet(design_->nets[*found], net);
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TGetFirstNetNode(dbx::DbxContext&, std::int32_t netId, dbx::ItemRecord& node)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetFirstNetNode))
        return refused;
    const auto found = netById_.find(netId);
    if (found == nullptr)
        return dbx::status::kInvalidNetId;
    nodeWalk_ = NetWalk{.net = *found, .next = 0};
    return Step(design_->nets[*found].nodes, nodeWalk_->next, dbx::status::kNoMoreItems,
                [&](const Node& n) { FillNode(n, node); });
}

dbx::DbxStatus StandInEditor::TGetNextNetNode(dbx::DbxContext&, dbx::ItemRecord& node)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetNextNetNode))
        return refused;
    if (!nodeWalk_)
        return dbx::status::kGetFirstNotCalled;
    return Step(design_->nets[nodeWalk_->net].nodes, nodeWalk_->next, dbx::status::kNoMoreItems,
                [&](const Node& n) { FillNode(n, node); });
}

dbx::DbxStatus StandInEditor::TGetFirstNetItem(dbx::DbxContext&, std::int32_t netId, dbx::ItemRecord& item)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetFirstNetItem))
        return refused;
    const auto found = netById_.find(netId);
    if (found == nullptr)
        return dbx::status::kInvalidNetId;
    itemWalk_ = NetWalk{.net = *found, .next = 0};
    return Step(design_->nets[*found].items, itemWalk_->next, dbx::status::kNoMoreItems,
                [&](const Item& i) { FillItem(i, item); });
}

dbx::DbxStatus StandInEditor::TGetNextNetItem(dbx::DbxContext&, dbx::ItemRecord& item)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetNextNetItem))
        return refused;
    if (!itemWalk_)
        return dbx::status::kGetFirstNotCalled;
    return Step(design_->nets[itemWalk_->net].items, itemWalk_->next, dbx::status::kNoMoreItems,
                [&](const Item& i) { FillItem(i, item); });
}

dbx::DbxStatus StandInEditor::TGetFirstComponent(dbx::DbxContext&, dbx::ComponentRecord& component)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetFirstComponent))
        return refused;
    return First(design_->components, nextComponent_, dbx::status::kNoMoreComponents,
                 [&](const Component& c) { FillComponent(c, component); });
}

dbx::DbxStatus StandInEditor::TGetNextComponent(dbx::DbxContext&, dbx::ComponentRecord& component)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetNextComponent))
        return refused;
    return Next(design_->components, nextComponent_, dbx::status::kNoMoreComponents,
                [&](const Component& c) { FillComponent(c, component); });
}

dbx::DbxStatus StandInEditor::TGetFirstNetAttribute(dbx::DbxContext&, std::int32_t netId, dbx::AttrRecord& attribute)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetFirstNetAttribute))
        return refused;
    const auto found = netById_.find(netId);
    if (found == nullptr)
        return dbx::status::kInvalidNetId;
    const std::vector<Attribute>& attributes = design_->nets[*found].attributes;
    if (attributes.empty())
        return dbx::status::kItemNotFound;
    SetText(attribute.name, attributes.front().name);
    SetText(attribute.value, attributes.front().value);
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TGetPadStyle(dbx::DbxContext&, std::int32_t styleId, dbx::PadViaStyle& style)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetPadStyle))
        return refused;
    const auto found = padStyleById_.find(styleId);
    if (found == nullptr)
        return dbx::status::kInvalidPadstyle;
    FillStyle(design_->padStyles[*found], style);
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TGetViaStyle(dbx::DbxContext&, std::int32_t styleId, dbx::PadViaStyle& style)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetViaStyle))
        return refused;
    const auto found = viaStyleById_.find(styleId);
    if (found == nullptr)
        return dbx::status::kInvalidPadstyle;
    FillStyle(design_->viaStyles[*found], style);
    return dbx::status::kSuccess;
}

dbx::DbxStatus StandInEditor::TGetPadShapeByLayer(dbx::DbxContext&, std::int32_t styleId, std::int32_t layerId,
                                                  dbx::ShapeRecord& shape)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetPadShapeByLayer))
        return refused;
    return ShapeByLayer(design_->padStyles, padStyleById_, layerTypeById_, styleId, layerId, shape);
}

dbx::DbxStatus StandInEditor::TGetViaShapeByLayer(dbx::DbxContext&, std::int32_t styleId, std::int32_t layerId,
                                                  dbx::ShapeRecord& shape)
{
    if (const dbx::DbxStatus refused = gate(Operation::TGetViaShapeByLayer))
        return refused;
    return ShapeByLayer(design_->viaStyles, viaStyleById_, layerTypeById_, styleId, layerId, shape);
}

}  // namespace nodewick::design
