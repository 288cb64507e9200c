#include "design/pcad/board.h"

#include <algorithm>

#include "design/pcad/forms.h"

namespace nodewick::design::pcad {
namespace {

// The field set named "(Default)", else the first one.
std::optional<ListView> ChooseFieldSet(ListView designInfo, const Reporter& reporter)
{
    std::optional<ListView> first;
    for (const ListView set : designInfo.lists()) {
        if (!set.is("fieldSet"))
            continue;
        if (!first)
            first = set;
        ValueReader values(set, Unit::Mil, reporter);
        if (!values.atEnd() && values.text() == "(Default)")
            return set;
    }
    return first;
}

void ReadDesignFields(ListView header, DesignFields& fields, Reporter& reporter)
{
    const std::optional<ListView> designInfo = header.find("designInfo");
    const std::optional<ListView> set = designInfo ? ChooseFieldSet(*designInfo, reporter) : std::nullopt;
    if (!set)
        return;
    for (const ListView field : set->lists()) {
        if (!field.is("fieldDef"))
            continue;
        ValueReader values(field, Unit::Mil, reporter);
        const std::string name = values.text();
        std::string value = values.atEnd() ? std::string() : values.text();
        if (name == "Title")
            fields.title = std::move(value);
        else if (name == "Author")
            fields.author = std::move(value);
        else if (name == "Revision")
            fields.revision = std::move(value);
        else if (name == "Drawing Number")
            fields.drawingNumber = std::move(value);
    }
}

void AddLayer(ListView definition, Board& board, Reporter& reporter)
{
    Layer layer;
    layer.name = NameOf(definition, reporter);
    const std::optional<ListView> number = definition.find("layerNum");
    if (!number)
        reporter.fail(definition.line(), "the layer " + Quoted(layer.name) + " has no layer number (layerNum)");
    layer.id = IntegerOf(*number, reporter);
    const std::optional<ListView> type = definition.find("layerType");
    if (!type)
        reporter.fail(definition.line(), "the layer " + Quoted(layer.name) + " has no layer type (layerType)");
    const std::string_view word = WordOf(*type, reporter);
    const std::optional<std::int32_t> code = LayerTypeCode(word);
    if (!code)
        reporter.fail(type->line(), "the layer " + Quoted(layer.name) + " has the unknown layer type " + Quoted(word));
    layer.type = *code;
    const bool taken = std::any_of(board.layers.begin(), board.layers.end(),
                                   [&](const Layer& known) { return known.id == layer.id; });
    if (taken) {
        reporter.warn(definition.line(), "the layer " + Quoted(layer.name) + " repeats a layer number; it is skipped");
        return;
    }
    board.layers.push_back(std::move(layer));
}

std::size_t FindPattern(const std::string& name, std::uint32_t line, const Library& library, const Reporter& reporter)
{
    if (const std::optional<std::size_t> pattern = library.patternNames.find(name))
        return *pattern;
    if (const std::optional<std::size_t> pattern = library.patternOriginalNames.find(name))
        return *pattern;
    reporter.fail(line, "a part is placed with the pattern " + Quoted(name) + ", which is not defined");
}

// The placement's own graphics name, else the pattern's default, else its
// first graphics.
std::size_t ChooseGraphics(ListView placement, const PatternDef& pattern, Reporter& reporter)
{
    std::optional<std::string> wanted = TextOfChild(placement, "patternGraphicsNameRef", reporter);
    if (!wanted)
        wanted = pattern.defaultGraphics;
    if (!wanted)
        return 0;
    for (std::size_t i = 0; i < pattern.graphics.size(); ++i) {
        if (pattern.graphics[i].name == *wanted)
            return i;
    }
    if (pattern.graphics.size() > 1)
        reporter.warn(placement.line(),
                      "the pattern " + Quoted(pattern.name) + " has no graphics " + Quoted(*wanted) +
                          "; its first graphics is used");
    return 0;
}

void AddPlacement(ListView item, Board& board, const Library& library, Unit fileUnit, Reporter& reporter)
{
    Placement placement;
    placement.line = item.line();
    placement.refDes = TextOfChild(item, "refDesRef", reporter).value_or("");
    const std::optional<std::string> patternName = TextOfChild(item, "patternRef", reporter);
    if (!patternName)
        reporter.fail(item.line(), "the part " + Quoted(placement.refDes) + " names no pattern (patternRef)");
    placement.pattern = FindPattern(*patternName, item.line(), library, reporter);
    placement.graphics = ChooseGraphics(item, library.patterns[placement.pattern], reporter);
    placement.place = ReadItemPlace(item, "the part " + Quoted(placement.refDes), fileUnit, reporter);
    board.placements.push_back(std::move(placement));
}

void ReadMultiLayer(ListView multiLayer, Board& board, Library& library, Unit fileUnit, Reporter& reporter)
{
    for (const ListView item : multiLayer.lists()) {
        if (item.is("pattern")) {
            AddPlacement(item, board, library, fileUnit, reporter);
        } else if (item.is("via")) {
            board.vias.push_back(ReadVia(item, library, fileUnit, reporter));
        } else if (item.is("pad")) {
            board.freePads.push_back(
                {ReadPad(item, library, fileUnit, reporter), TextOfChild(item, "netNameRef", reporter), item.line()});
        } else if (!IsSkippedForm(FormPlace::MultiLayer, item.keyword())) {
            reporter.warnUnknownForm(item.line(), item.keyword());
        }
    }
}

}  // namespace

Board ReadBoard(const std::vector<ListView>& designForms, Library& library, Unit fileUnit, Reporter& reporter)
{
    Board board;
    for (const ListView& form : designForms) {
        for (const ListView child : form.lists()) {
            if (child.is("pcbDesignHeader"))
                ReadDesignFields(child, board.fields, reporter);
            else if (child.is("layerDef"))
                AddLayer(child, board, reporter);
            else if (child.is("multiLayer"))
                ReadMultiLayer(child, board, library, fileUnit, reporter);
            else if (!IsSkippedForm(FormPlace::PcbDesign, child.keyword()))
                reporter.warnUnknownForm(child.line(), child.keyword());
        }
    }
    return board;
}

}  // namespace nodewick::design::pcad
