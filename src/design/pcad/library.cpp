#include "design/pcad/library.h"

#include <algorithm>
#include <limits>

#include "design/pcad/forms.h"

namespace nodewick::design::pcad {
namespace {

struct ShapeSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The bounding box of a polygon pad's outline, whose points are relative to
// the pad centre.
ShapeSize OutlineSize(ListView outline, Unit fileUnit, const Reporter& reporter)
{
    std::int64_t minX = std::numeric_limits<std::int64_t>::max();
    std::int64_t maxX = std::numeric_limits<std::int64_t>::min();
    std::int64_t minY = minX;
    std::int64_t maxY = maxX;
    for (const ListView pt : outline.lists()) {
        if (!pt.is("pt"))
            continue;
        ValueReader point(pt, fileUnit, reporter);
        const std::int64_t x = point.length().databaseUnits;
        const std::int64_t y = point.length().databaseUnits;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    if (minX > maxX)
        return {};
    // The difference of two 32-bit values is exact in a double.
    return {RoundToDatabaseUnits(static_cast<double>(maxX - minX), outline.line(), reporter),
            RoundToDatabaseUnits(static_cast<double>(maxY - minY), outline.line(), reporter)};
}

// Width and height of one shape entry. Round, oval and rectangular shapes
// give theirs; thermals have only an outside diameter, which is both; a
// polygon gives the box around its outline.
ShapeSize ReadShapeSize(ListView shape, Unit fileUnit, const Reporter& reporter)
{
    const std::optional<ListView> width = shape.find("shapeWidth");
    const std::optional<ListView> height = shape.find("shapeHeight");
    if (width || height) {
        return {width ? LengthOf(*width, fileUnit, reporter).databaseUnits : 0,
                height ? LengthOf(*height, fileUnit, reporter).databaseUnits : 0};
    }
    if (const std::optional<ListView> outside = shape.find("outsideDiam")) {
        const std::int32_t diameter = LengthOf(*outside, fileUnit, reporter).databaseUnits;
        return {diameter, diameter};
    }
    if (const std::optional<ListView> outline = shape.find("shapeOutline"))
        return OutlineSize(*outline, fileUnit, reporter);
    return {};
}

// One (padShape ...) or (viaShape ...) entry, for a layer id or a layer type.
void ReadShape(ListView shape, Style& style, Unit fileUnit, Reporter& reporter)
{
    const ShapeSize size = ReadShapeSize(shape, fileUnit, reporter);
    if (const std::optional<ListView> layer = shape.find("layerNumRef")) {
        const std::int32_t layerId = IntegerOf(*layer, reporter);
        const bool taken = std::any_of(style.shapes.begin(), style.shapes.end(),
                                       [&](const LayerShape& known) { return known.layerId == layerId; });
        if (taken)
            reporter.warn(shape.line(),
                          "style " + Quoted(style.name) + " has a second shape for one layer; the first is used");
        else
            style.shapes.push_back({layerId, size.width, size.height});
        return;
    }
    if (const std::optional<ListView> type = shape.find("layerType")) {
        const std::string_view word = WordOf(*type, reporter);
        const std::optional<std::int32_t> code = LayerTypeCode(word);
        if (!code)
            reporter.fail(type->line(), "style " + Quoted(style.name) + ": unknown layer type " + Quoted(word));
        const bool taken = std::any_of(style.typeShapes.begin(), style.typeShapes.end(),
                                       [&](const LayerTypeShape& known) { return known.layerType == *code; });
        if (taken)
            reporter.warn(shape.line(),
                          "style " + Quoted(style.name) + " has a second shape for one layer type; the first is used");
        else
            style.typeShapes.push_back({*code, size.width, size.height});
        return;
    }
    reporter.warn(shape.line(), "style " + Quoted(style.name) + ": a shape names no layer and is skipped");
}

Style ReadStyle(ListView definition, std::int32_t id, std::string_view shapeKeyword, Unit fileUnit, Reporter& reporter)
{
    Style style;
    style.id = id;
    style.name = NameOf(definition, reporter);
    // A style that does not say otherwise spans the board from top to bottom.
    style.startLayer = 1;
    style.endLayer = 2;
    for (const ListView child : definition.lists()) {
        if (child.is("holeDiam"))
            style.hole = LengthOf(child, fileUnit, reporter).databaseUnits;
        else if (child.is("StartRange"))
            style.startLayer = IntegerOf(child, reporter);
        else if (child.is("EndRange"))
            style.endLayer = IntegerOf(child, reporter);
        else if (child.is("isHolePlated"))
            style.plated = BooleanOf(child, reporter);
        else if (child.is(shapeKeyword))
            ReadShape(child, style, fileUnit, reporter);
    }
    return style;
}

void AddStyle(ListView definition, std::vector<Style>& styles, NameIndex& names, std::string_view shapeKeyword,
              Unit fileUnit, Reporter& reporter)
{
    Style style = ReadStyle(definition, static_cast<std::int32_t>(styles.size()), shapeKeyword, fileUnit, reporter);
    if (!names.add(style.name, styles.size())) {
        reporter.warn(definition.line(),
                      "style " + Quoted(style.name) + " is defined twice; the first definition is used");
        return;
    }
    styles.push_back(std::move(style));
}

std::int32_t PadStyleForViaStyle(std::size_t viaStyle, Library& library)
{
    const auto id = static_cast<std::int32_t>(viaStyle);
    const auto known = library.padStyleOfViaStyle.find(id);
    if (known != library.padStyleOfViaStyle.end())
        return known->second;
    Style copy = library.viaStyles[viaStyle];
    copy.id = static_cast<std::int32_t>(library.padStyles.size());
    library.padStyles.push_back(std::move(copy));
    library.padStyleOfViaStyle.emplace(id, library.padStyles.back().id);
    return library.padStyles.back().id;
}

std::int32_t PadStyleId(ListView pad, Library& library, const Reporter& reporter)
{
    if (const std::optional<ListView> ref = pad.find("padStyleRef")) {
        const std::string name = TextOf(*ref, reporter);
        const std::optional<std::size_t> style = library.padStyleNames.findExactOrIgnoringCase(name);
        if (!style)
            reporter.fail(ref->line(), "a pad refers to the pad style " + Quoted(name) + ", which is not defined");
        return static_cast<std::int32_t>(*style);
    }
    if (const std::optional<ListView> ref = pad.find("viaStyleRef")) {
        const std::string name = TextOf(*ref, reporter);
        const std::optional<std::size_t> style = library.viaStyleNames.findExactOrIgnoringCase(name);
        if (!style)
            reporter.fail(ref->line(), "a pad refers to the via style " + Quoted(name) + ", which is not defined");
        return PadStyleForViaStyle(*style, library);
    }
    reporter.fail(pad.line(), "a pad has no pad style (padStyleRef)");
}

void ReadPatternLayer(ListView multiLayer, PatternGraphics& graphics, Library& library, Unit fileUnit,
                      Reporter& reporter)
{
    for (const ListView item : multiLayer.lists()) {
        if (item.is("pad"))
            graphics.pads.push_back(ReadPad(item, library, fileUnit, reporter));
        else if (item.is("via"))
            graphics.vias.push_back(ReadVia(item, library, fileUnit, reporter));
        else if (!IsSkippedForm(FormPlace::MultiLayer, item.keyword()))
            reporter.warnUnknownForm(item.line(), item.keyword());
    }
}

PatternGraphics ReadGraphics(ListView definition, Library& library, Unit fileUnit, Reporter& reporter)
{
    PatternGraphics graphics;
    graphics.name = TextOfChild(definition, "patternGraphicsNameDef", reporter).value_or("");
    for (const ListView child : definition.lists()) {
        if (child.is("multiLayer"))
            ReadPatternLayer(child, graphics, library, fileUnit, reporter);
    }
    return graphics;
}

// (patternDef "name" (originalName ...) (multiLayer ...)) in older files,
// (patternDefExtended "name" ... {(patternGraphicsDef ...)}) in newer ones.
void AddPattern(ListView definition, Library& library, Unit fileUnit, Reporter& reporter)
{
    PatternDef pattern;
    pattern.name = NameOf(definition, reporter);
    pattern.originalName = TextOfChild(definition, "originalName", reporter).value_or("");
    pattern.defaultGraphics = TextOfChild(definition, "patternGraphicsNameRef", reporter);
    bool directPads = false;
    for (const ListView child : definition.lists()) {
        if (child.is("patternGraphicsDef"))
            pattern.graphics.push_back(ReadGraphics(child, library, fileUnit, reporter));
        else if (child.is("multiLayer"))
            directPads = true;
    }
    if (directPads)
        pattern.graphics.insert(pattern.graphics.begin(), ReadGraphics(definition, library, fileUnit, reporter));
    if (pattern.graphics.empty())
        pattern.graphics.emplace_back();

    const std::size_t index = library.patterns.size();
    if (!library.patternNames.add(pattern.name, index)) {
        reporter.warn(definition.line(),
                      "pattern " + Quoted(pattern.name) + " is defined twice; the first definition is used");
        return;
    }
    library.patternOriginalNames.add(pattern.originalName, index);
    library.patterns.push_back(std::move(pattern));
}

// (padPinMap (padNum 1) (compPinRef "3") (padNum 2) (compPinRef "1") ...):
// each pad number pairs with the pin designator after it.
AttachedPattern ReadAttachedPattern(ListView attached, Reporter& reporter)
{
    AttachedPattern pattern;
    pattern.patternName = TextOfChild(attached, "patternName", reporter).value_or("");
    const std::optional<ListView> map = attached.find("padPinMap");
    if (!map)
        return pattern;
    std::optional<std::int32_t> padNum;
    for (const ListView entry : map->lists()) {
        if (entry.is("padNum")) {
            padNum = IntegerOf(entry, reporter);
        } else if (entry.is("compPinRef") && padNum) {
            pattern.pinOfPad.emplace(*padNum, TextOf(entry, reporter));
            padNum.reset();
        }
    }
    return pattern;
}

void AddCompDef(ListView definition, Library& library, Reporter& reporter)
{
    CompDef compDef;
    compDef.name = NameOf(definition, reporter);
    for (const ListView child : definition.lists()) {
        if (child.is("attachedPattern"))
            compDef.attachedPatterns.push_back(ReadAttachedPattern(child, reporter));
    }
    if (!library.compDefNames.add(compDef.name, library.compDefs.size())) {
        reporter.warn(definition.line(),
                      "component definition " + Quoted(compDef.name) +
                          " is defined twice; the first definition is used");
        return;
    }
    library.compDefs.push_back(std::move(compDef));
}

}  // namespace

std::optional<std::int32_t> LayerTypeCode(std::string_view word) noexcept
{
    if (EqualsIgnoringCase(word, "Signal"))
        return 0;
    if (EqualsIgnoringCase(word, "Plane"))
        return 1;
    if (EqualsIgnoringCase(word, "NonSignal"))
        return 2;
    return std::nullopt;
}

PatternPad ReadPad(ListView pad, Library& library, Unit fileUnit, const Reporter& reporter)
{
    PatternPad result;
    if (const std::optional<ListView> padNum = pad.find("padNum"))
        result.padNum = IntegerOf(*padNum, reporter);
    result.styleId = PadStyleId(pad, library, reporter);
    result.place = ReadItemPlace(pad, "a pad", fileUnit, reporter);
    result.defaultPinDes = TextOfChild(pad, "defaultPinDes", reporter);
    return result;
}

PatternVia ReadVia(ListView via, const Library& library, Unit fileUnit, const Reporter& reporter)
{
    PatternVia result;
    result.line = via.line();
    const std::optional<std::string> styleName = TextOfChild(via, "viaStyleRef", reporter);
    if (!styleName)
        reporter.fail(via.line(), "a via has no via style (viaStyleRef)");
    const std::optional<std::size_t> style = library.viaStyleNames.findExactOrIgnoringCase(*styleName);
    if (!style)
        reporter.fail(via.line(), "a via refers to the via style " + Quoted(*styleName) + ", which is not defined");
    result.styleId = static_cast<std::int32_t>(*style);
    result.place = ReadItemPlace(via, "a via", fileUnit, reporter);
    result.netName = TextOfChild(via, "netNameRef", reporter);
    return result;
}

Library ReadLibrary(const std::vector<ListView>& libraryForms, Unit fileUnit, Reporter& reporter)
{
    Library library;
    for (const ListView& form : libraryForms) {
        for (const ListView child : form.lists()) {
            if (child.is("padStyleDef"))
                AddStyle(child, library.padStyles, library.padStyleNames, "padShape", fileUnit, reporter);
            else if (child.is("viaStyleDef"))
                AddStyle(child, library.viaStyles, library.viaStyleNames, "viaShape", fileUnit, reporter);
            else if (!child.is("patternDef") && !child.is("patternDefExtended") && !child.is("compDef") &&
                     !IsSkippedForm(FormPlace::Library, child.keyword()))
                reporter.warnUnknownForm(child.line(), child.keyword());
        }
    }
    for (const ListView& form : libraryForms) {
        for (const ListView child : form.lists()) {
            if (child.is("patternDef") || child.is("patternDefExtended"))
                AddPattern(child, library, fileUnit, reporter);
            else if (child.is("compDef"))
                AddCompDef(child, library, reporter);
        }
    }
    return library;
}

}  // namespace nodewick::design::pcad
