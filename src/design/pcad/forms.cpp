#include "design/pcad/forms.h"

#include "design/pcad/lexer.h"

namespace nodewick::design::pcad {
namespace {

constexpr unsigned Places(std::initializer_list<FormPlace> places)
{
    unsigned mask = 0;
    for (const FormPlace place : places)
        mask |= static_cast<unsigned>(place);
    return mask;
}

struct SkippedForm {
    std::string_view keyword;
    unsigned places;
    bool unread;  // content not kept in the tree
};

constexpr unsigned kTop = Places({FormPlace::TopLevel});
constexpr unsigned kLibrary = Places({FormPlace::Library});
constexpr unsigned kNetlist = Places({FormPlace::Netlist});
constexpr unsigned kDesign = Places({FormPlace::PcbDesign});
constexpr unsigned kLayer = Places({FormPlace::MultiLayer});

// The one table of the forms the reader passes over on purpose.
constexpr SkippedForm kSkippedForms[] = {
    // The parts of a file that are no board.
    {"schematicDesign", kTop, true},
    // Library: text styles and schematic symbols.
    {"textStyleDef", kLibrary, true},
    {"symbolDef", kLibrary, false},
    // Netlist: design rules.
    {"globalAttrs", kNetlist, false},
    {"netClass", kNetlist, true},
    {"classToClassRules", kNetlist, true},
    // Board: layer graphics, stack-up, output and program settings.
    {"layerContents", kDesign, true},
    {"layersStackup", kDesign, true},
    {"layerSets", kDesign, false},
    {"layerPairs", kDesign, false},
    {"pcbPrintSettings", kDesign, true},
    {"gerberSettings", kDesign, true},
    {"ncDrillSettings", kDesign, true},
    {"drillSymSettings", kDesign, true},
    {"displayDrawOrder", kDesign, true},
    {"programState", kDesign, true},
    {"reportSettings", kDesign, false},
    {"odbSettings", kDesign, false},
    {"drcSettings", kDesign, false},
    {"titleSheet", kDesign, true},
    // Items of a multiLayer that are neither pads nor vias nor parts.
    {"fromTo", kLayer, false},
    {"infoPoint", kLayer, false},
    {"pickPoint", kLayer, false},
    {"gluePoint", kLayer, false},
    {"testPoint", kLayer, false},
    {"refPoint", kLayer, false},
    {"polyKeepOut", kLayer, false},
    {"keepOut", kLayer, false},
    {"line", kLayer, false},
    {"arc", kLayer, false},
    {"triplePointArc", kLayer, false},
    {"text", kLayer, false},
    {"attr", kLayer, false},
    {"pcbPoly", kLayer, false},
    {"copperPour95", kLayer, false},
    {"copperPour", kLayer, false},
    {"dimension", kLayer, false},
    {"field", kLayer, false},
    {"table", kLayer, false},
    {"detail", kLayer, false},
    {"diagram", kLayer, false},
    {"bus", kLayer, false},
    {"plane", kLayer, false},
    {"polyCutOut", kLayer, false},
    // Anywhere: references the netlist does not need.
    {"patternGraphicsRef", kLayer | kDesign, true},
    {"attachedSymbol", kLibrary, true},
};

}  // namespace

bool IsSkippedForm(FormPlace place, std::string_view keyword) noexcept
{
    for (const SkippedForm& form : kSkippedForms) {
        if ((form.places & static_cast<unsigned>(place)) != 0 && EqualsIgnoringCase(keyword, form.keyword))
            return true;
    }
    return false;
}

bool IsUnreadForm(std::string_view keyword) noexcept
{
    // Every list of the file passes here: the length is compared first,
    // without a call.
    for (const SkippedForm& form : kSkippedForms) {
        if (form.unread && keyword.size() == form.keyword.size() && EqualsIgnoringCase(keyword, form.keyword))
            return true;
    }
    return false;
}

}  // namespace nodewick::design::pcad
