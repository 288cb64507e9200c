#include "design/json/design_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/error.h"
#include "dbx/records.h"
#include "design/design_path.h"
#include "design/field_text.h"
#include "design/json/design_json_links.h"
#include "design/json/json_object_reader.h"
#include "design/json/tracked_input.h"

namespace nodewick::design {
namespace {

using Json = nlohmann::json;

constexpr std::int32_t kFormatVersion = 1;
// Unknown keys are reported one by one up to this many, then only counted.
constexpr std::size_t kMostUnknownKeyWarnings = 20;

// What a JSON object of the design file is, by where it sits.
enum class Element { Design, Layer, PadStyle, ViaStyle, Component, Net, Shape, Attribute, Node, Item, StatusMap };

// The deepest the design's own elements nest: the design, its nets, a net,
// its nodes, a node.
constexpr std::size_t kDeepestElement = 5;

// Where a key starts: the parser has just taken its closing quote. Counted
// from the key as decoded, which is the key as written unless it holds an
// escape.
TextPosition KeyStart(TextPosition afterKey, std::size_t keyBytes) noexcept
{
    const std::uint64_t written = keyBytes + 2;
    afterKey.column = afterKey.column >= written ? afterKey.column - written + 1 : 1;
    return afterKey;
}

static_assert(static_cast<unsigned>(DesignKey::Other) < 64, "a design object's keys are tracked in 64 bits");
// The arrays of design elements an object holds, by key.
std::optional<Element> ArrayOf(Element parent, DesignKey key)
{
    switch (parent) {
    case Element::Design:
        switch (key) {
        case DesignKey::Layers:
            return Element::Layer;
        case DesignKey::PadStyles:
            return Element::PadStyle;
        case DesignKey::ViaStyles:
            return Element::ViaStyle;
        case DesignKey::Components:
            return Element::Component;
        case DesignKey::Nets:
            return Element::Net;
        default:
            return std::nullopt;
        }
    case Element::PadStyle:
    case Element::ViaStyle:
        return key == DesignKey::Shapes ? std::optional{Element::Shape} : std::nullopt;
    case Element::Net:
        switch (key) {
        case DesignKey::Attributes:
            return Element::Attribute;
        case DesignKey::Nodes:
            return Element::Node;
        case DesignKey::Items:
            return Element::Item;
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

bool IsStatusMap(Element parent, DesignKey key)
{
    return parent == Element::Design && key == DesignKey::Status;
}

Layer ReadLayer(JsonObjectReader& in)
{
    return Layer{.id = in.int32(DesignKey::Id),
                 .name = in.text(DesignKey::Name, kWrittenText),
                 .type = in.int32(DesignKey::Type)};
}

// Moves what was collected for one style or net into a vector of its own, of
// exactly that size, and leaves the collecting vector empty for the next.
template <typename T>
std::vector<T> TakeExact(std::vector<T>& collected)
{
    std::vector<T> exact(std::make_move_iterator(collected.begin()), std::make_move_iterator(collected.end()));
    collected.clear();
    return exact;
}

// A style from its own members and the shapes read inside it.
Style ReadStyle(JsonObjectReader& in, std::vector<LayerShape>& shapes)
{
    return Style{.id = in.int32(DesignKey::Id),
                 .name = in.text(DesignKey::Name, kKeptText),
                 .hole = in.size(DesignKey::Hole),
                 .startLayer = in.int32(DesignKey::Start),
                 .endLayer = in.int32(DesignKey::End),
                 .plated = in.boolean(DesignKey::Plated, true),
                 .shapes = TakeExact(shapes)};
}

LayerShape ReadShape(JsonObjectReader& in)
{
    return LayerShape{.layerId = in.int32(DesignKey::Layer),
                      .width = in.size(DesignKey::Width),
                      .height = in.size(DesignKey::Height)};
}

Component ReadComponent(JsonObjectReader& in, bool& padCountGiven)
{
    Component component{.refDes = in.text(DesignKey::RefDes, kWrittenText), .side = in.int32(DesignKey::Side, 0)};
    if (component.refDes.empty())
        in.fail(DesignKey::RefDes, "a component needs a reference designator");
    const std::optional<std::int32_t> padCount = in.optionalInt32(DesignKey::PadCount);
    if (padCount && *padCount < 0)
        in.fail(DesignKey::PadCount, "a pad count cannot be negative: " + std::to_string(*padCount));
    padCountGiven = padCount.has_value();
    component.padCount = padCount.value_or(0);
    return component;
}

// A net from its own members and the attributes, nodes and items read inside it.
Net ReadNet(JsonObjectReader& in, std::vector<Attribute>& attributes, std::vector<Node>& nodes,
            std::vector<Item>& items)
{
    return Net{.id = in.int32(DesignKey::Id),
               .name = in.text(DesignKey::Name, kWrittenText),
               .attributes = TakeExact(attributes),
               .nodes = TakeExact(nodes),
               .items = TakeExact(items)};
}

Attribute ReadAttribute(JsonObjectReader& in)
{
    std::string name = in.text(DesignKey::Name, kKeptText);
    const FieldText valueUse = AttributeValueUse(name);
    return Attribute{.name = std::move(name), .value = in.text(DesignKey::Value, valueUse)};
}

Node ReadNode(JsonObjectReader& in)
{
    return Node{.refDes = in.text(DesignKey::RefDes, kWrittenText, ""),
                .pin = in.text(DesignKey::Pin, kWrittenText, ""),
                .padStyle = in.int32(DesignKey::PadStyle),
                .x = in.length(DesignKey::X),
                .y = in.length(DesignKey::Y),
                .flip = in.int32(DesignKey::Flip, 0),
                .rotation = in.rotation(DesignKey::Rotation)};
}

// Vias carry their place and style; any other item only takes its place in
// the item walk, so whatever else it holds is not ours to check.
Item ReadItem(JsonObjectReader& in)
{
    Item item{.type = in.int32(DesignKey::Type)};
    if (item.type != dbx::kItemTypeVia) {
        in.ignoreTheRest();
        return item;
    }
    item.x = in.length(DesignKey::X);
    item.y = in.length(DesignKey::Y);
    item.viaStyle = in.int32(DesignKey::ViaStyle);
    item.rotation = in.rotation(DesignKey::Rotation);
    item.flip = in.int32(DesignKey::Flip, 0);
    return item;
}

void ReadForcedStatuses(JsonObjectReader& in, std::vector<ForcedStatus>& forced)
{
    for (JsonMember& member : in.members()) {
        const auto* known = std::find(std::begin(kOperationNames), std::end(kOperationNames), member.keyName());
        if (known == std::end(kOperationNames)) {
            std::string names;
            for (const std::string_view name : kOperationNames)
                names += (names.empty() ? "" : ", ") + std::string(name);
            in.fail(member, "not a DBX operation; the operations are " + names);
        }
        const std::int32_t status = in.int32(member);
        if (status == 0)
            in.fail(member, "a forced status cannot be 0 (success): leave the operation out instead");
        forced.push_back({.operation = static_cast<Operation>(known - std::begin(kOperationNames)), .status = status});
    }
}

// Turns the parser's events into the design as they come. Each JSON object
// of the design is collected member by member and converted when it closes;
// arrays of design elements are followed, anything else under an unknown key
// is skipped.
class DesignReader {
public:
    DesignReader(const std::filesystem::path& file, TrackedInput& input)
        : file_(file), fileName_(file.string()), input_(input)
    {
        // Frames are referred to while the next one opens: they must not move.
        frames_.reserve(kDeepestElement);
    }

    bool null()
    {
        valueToFill(JsonValue::Kind::Null);
        return true;
    }
    bool boolean(bool value)
    {
        if (JsonValue* filled = valueToFill(JsonValue::Kind::Boolean))
            filled->boolean = value;
        return true;
    }
    bool number_integer(Json::number_integer_t value)
    {
        if (JsonValue* filled = valueToFill(JsonValue::Kind::Integer))
            filled->integer = value;
        return true;
    }
    bool number_unsigned(Json::number_unsigned_t value)
    {
        if (value > static_cast<Json::number_unsigned_t>(std::numeric_limits<std::int64_t>::max())) {
            if (JsonValue* filled = valueToFill(JsonValue::Kind::HugeInteger))
                filled->text = std::to_string(value);
        } else if (JsonValue* filled = valueToFill(JsonValue::Kind::Integer)) {
            filled->integer = static_cast<std::int64_t>(value);
        }
        return true;
    }
    bool number_float(Json::number_float_t, const Json::string_t& text)
    {
        // The parser hands integers beyond 64 bits over as floating point.
        const bool integer = text.find_first_of(".eE") == std::string::npos;
        JsonValue* filled = valueToFill(integer ? JsonValue::Kind::HugeInteger : JsonValue::Kind::Float);
        if (filled)
            filled->text = text;
        return true;
    }
    // Strings are copied, not moved: the parser's own buffer keeps its
    // capacity, and the short texts of a design fit in a string without a heap
    // allocation.
    bool string(Json::string_t& text)
    {
        if (JsonValue* filled = valueToFill(JsonValue::Kind::String))
            filled->text = text;
        return true;
    }
    bool binary(Json::binary_t&) { return true; }  // JSON text has no binary values

    bool start_object(std::size_t);
    bool end_object();
    bool start_array(std::size_t);
    bool end_array();
    bool key(Json::string_t& key);
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error);

    LoadedDesign take();

private:
    struct Frame {
        Element element = Element::Design;
        bool isArray = false;
        std::vector<JsonMember> members;  // objects only
        std::uint64_t knownKeys = 0;      // the DesignKeys seen in this object
        TextPosition at{};                // its opening bracket
    };

    // The value of the member being read, of this kind, to be filled in place;
    // none inside a skipped value.
    JsonValue* valueToFill(JsonValue::Kind kind);
    void open(Element element, bool isArray);
    void finish(Frame& frame);
    void readElement(Element element, JsonObjectReader& in);
    void readDesignTexts(JsonObjectReader& in);
    void warnUnknownKeys(const JsonObjectReader& in);
    Frame& innermost() { return frames_[depth_ - 1]; }
    [[noreturn]] void fail(std::string_view what) const;

    std::filesystem::path file_;
    std::string fileName_;
    TrackedInput& input_;
    JsonPath path_;
    std::vector<Frame> frames_;  // kept between objects so that their buffers are reused
    std::size_t depth_ = 0;
    int skipDepth_ = 0;  // inside a value under an unknown key

    Design design_;
    // The parts of the style or net being read. They keep their capacity from
    // one net to the next, and each finished net gets vectors of exactly its
    // size: no growth steps per net, no spare capacity in a large design.
    std::vector<LayerShape> shapes_;
    std::vector<Attribute> attributes_;
    std::vector<Node> nodes_;
    std::vector<Item> items_;
    std::vector<bool> padCountGiven_;
    std::vector<std::string> warnings_;
    std::size_t unknownKeys_ = 0;
};

void DesignReader::fail(std::string_view what) const
{
    throw DesignError(DesignFileMessage(fileName_, input_.position(), path_.member(), what));
}

void DesignReader::open(Element element, bool isArray)
{
    if (depth_ == frames_.size())
        frames_.emplace_back();  // within the reserved capacity: no frame moves
    Frame& frame = frames_[depth_++];
    frame.element = element;
    frame.isArray = isArray;
    frame.members.clear();
    frame.knownKeys = 0;
    frame.at = input_.position();
    if (isArray)
        path_.enterArray();
    else
        path_.enterObject();
}

JsonValue* DesignReader::valueToFill(JsonValue::Kind kind)
{
    if (skipDepth_ > 0)
        return nullptr;
    if (depth_ == 0)
        fail("a design file is one JSON object, but this file holds " + std::string(JsonKindName(kind)));
    Frame& frame = innermost();
    if (frame.isArray) {
        path_.nextElement();
        fail("expected an object, found " + std::string(JsonKindName(kind)));
    }
    JsonMember& member = frame.members.back();
    if (ArrayOf(frame.element, member.key))
        fail("expected an array, found " + std::string(JsonKindName(kind)));
    if (IsStatusMap(frame.element, member.key))
        fail("expected an object, found " + std::string(JsonKindName(kind)));
    member.value.kind = kind;
    return &member.value;
}

bool DesignReader::key(Json::string_t& key)
{
    if (skipDepth_ > 0)
        return true;
    Frame& frame = innermost();
    path_.setKey(key);
    const DesignKey known = FindDesignKey(key);
    if (known == DesignKey::Other) {
        for (const JsonMember& earlier : frame.members) {
            if (earlier.key == DesignKey::Other && earlier.otherKey == key)
                fail("the key appears twice in one object");
        }
    } else {
        const std::uint64_t bit = std::uint64_t{1} << static_cast<unsigned>(known);
        if (frame.knownKeys & bit)
            fail("the key appears twice in one object");
        frame.knownKeys |= bit;
    }
    // Made in place: a member moved into the list would copy its two
    // (empty) texts, a million times over in a large design.
    JsonMember& member = frame.members.emplace_back();
    member.key = known;
    member.at = KeyStart(input_.position(), key.size());
    if (known == DesignKey::Other)
        member.otherKey = key;
    return true;
}

bool DesignReader::start_object(std::size_t)
{
    if (skipDepth_ > 0) {
        ++skipDepth_;
        return true;
    }
    if (depth_ == 0) {
        open(Element::Design, false);
        return true;
    }
    Frame& frame = innermost();
    if (frame.isArray) {
        path_.nextElement();
        open(frame.element, false);
        return true;
    }
    JsonMember& member = frame.members.back();
    member.value.kind = JsonValue::Kind::Object;
    if (IsStatusMap(frame.element, member.key)) {
        member.used = true;
        open(Element::StatusMap, false);
    } else if (ArrayOf(frame.element, member.key)) {
        fail("expected an array, found an object");
    } else {
        skipDepth_ = 1;
    }
    return true;
}

bool DesignReader::start_array(std::size_t)
{
    if (skipDepth_ > 0) {
        ++skipDepth_;
        return true;
    }
    if (depth_ == 0)
        fail("a design file is one JSON object, but this file holds an array");
    Frame& frame = innermost();
    if (frame.isArray) {
        path_.nextElement();
        fail("expected an object, found an array");
    }
    JsonMember& member = frame.members.back();
    member.value.kind = JsonValue::Kind::Array;
    if (const std::optional<Element> element = ArrayOf(frame.element, member.key)) {
        member.used = true;
        open(*element, true);
    } else if (IsStatusMap(frame.element, member.key)) {
        fail("expected an object, found an array");
    } else {
        skipDepth_ = 1;
    }
    return true;
}

bool DesignReader::end_object()
{
    if (skipDepth_ > 0) {
        --skipDepth_;
        return true;
    }
    finish(innermost());
    path_.leave();
    --depth_;
    return true;
}

bool DesignReader::end_array()
{
    if (skipDepth_ > 0) {
        --skipDepth_;
        return true;
    }
    path_.leave();
    --depth_;
    return true;
}

bool DesignReader::parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error)
{
    // The parser words it "[json.exception.parse_error.101] parse error at
    // line 3, column 5: ..."; the bracketed tag means nothing to a user.
    std::string_view message = error.what();
    if (const std::size_t tag = message.find("] "); message.starts_with("[json.exception") && tag != message.npos)
        message.remove_prefix(tag + 2);
    if (message.starts_with("parse error"))
        message.remove_prefix(std::strlen("parse error"));
    std::string what = "JSON syntax error" + std::string(message);
    if (depth_ > 0 && !path_.member().empty())
        what += " (in " + path_.member() + ")";
    throw DesignError(DesignFileMessage(fileName_, std::nullopt, "", what));
}

void DesignReader::finish(Frame& frame)
{
    JsonObjectReader in(frame.members, path_, fileName_, frame.at);
    readElement(frame.element, in);
    warnUnknownKeys(in);
}

void DesignReader::readElement(Element element, JsonObjectReader& in)
{
    switch (element) {
    case Element::Design:
        readDesignTexts(in);
        return;
    case Element::Layer:
        design_.layers.push_back(ReadLayer(in));
        return;
    case Element::PadStyle:
    case Element::ViaStyle:
        (element == Element::PadStyle ? design_.padStyles : design_.viaStyles).push_back(ReadStyle(in, shapes_));
        return;
    case Element::Shape:
        shapes_.push_back(ReadShape(in));
        return;
    case Element::Component: {
        bool padCountGiven = false;
        design_.components.push_back(ReadComponent(in, padCountGiven));
        padCountGiven_.push_back(padCountGiven);
        return;
    }
    case Element::Net:
        design_.nets.push_back(ReadNet(in, attributes_, nodes_, items_));
        return;
    case Element::Attribute:
        attributes_.push_back(ReadAttribute(in));
        return;
    case Element::Node:
        nodes_.push_back(ReadNode(in));
        return;
    case Element::Item:
        items_.push_back(ReadItem(in));
        return;
    case Element::StatusMap:
        ReadForcedStatuses(in, design_.forcedStatuses);
        return;
    }
}

void DesignReader::readDesignTexts(JsonObjectReader& in)
{
    const std::int32_t version = in.int32(DesignKey::NodewickDesign);
    if (version != kFormatVersion) {
        in.fail(DesignKey::NodewickDesign,
                "this is design file format " + std::to_string(version) + "; Nodewick reads format " +
                    std::to_string(kFormatVersion));
    }
    if (std::optional<std::string> path = in.optionalText(DesignKey::Path, kWrittenText)) {
        if (path->empty())
            in.fail(DesignKey::Path, "an empty path names no file; leave \"path\" out to use the file's own");
        design_.path = std::move(*path);
    } else {
        design_.path = DesignPathText(std::filesystem::absolute(file_).lexically_normal(), fileName_);
    }
    design_.title = in.text(DesignKey::Title, kWrittenText, "");
    design_.engineer = in.text(DesignKey::Engineer, kWrittenText, "");
    design_.revision = in.text(DesignKey::Revision, kWrittenText, "");
    design_.drawingNumber = in.text(DesignKey::DrawingNumber, kWrittenText, "");
}

void DesignReader::warnUnknownKeys(const JsonObjectReader& in)
{
    for (const std::string_view key : in.unusedKeys()) {
        if (++unknownKeys_ <= kMostUnknownKeyWarnings)
            warnings_.push_back(DesignFileMessage(fileName_, std::nullopt, path_.member(key), "unknown key, ignored"));
    }
}

LoadedDesign DesignReader::take()
{
    if (unknownKeys_ > kMostUnknownKeyWarnings) {
        warnings_.push_back(
            DesignFileMessage(fileName_, std::nullopt, "",
                              std::to_string(unknownKeys_ - kMostUnknownKeyWarnings) + " more unknown keys ignored"));
    }
    LinkJsonDesign(design_, padCountGiven_, fileName_);
    return LoadedDesign{.design = std::move(design_), .warnings = std::move(warnings_)};
}

}  // namespace

LoadedDesign LoadJsonDesign(std::istream& in, const std::filesystem::path& file)
{
    return LoadJsonDesign(
        [&in](char* buffer, std::size_t capacity) {
            return static_cast<std::size_t>(in.rdbuf()->sgetn(buffer, static_cast<std::streamsize>(capacity)));
        },
        file);
}

LoadedDesign LoadJsonDesign(const TrackedInput::Source& source, const std::filesystem::path& file)
{
    TrackedInput input(source);
    std::istream tracked(&input);
    DesignReader reader(file, input);
    Json::sax_parse(tracked, &reader);
    return reader.take();
}

}  // namespace nodewick::design
