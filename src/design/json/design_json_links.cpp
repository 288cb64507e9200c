#include "design/json/design_json_links.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "design/component_index.h"
#include "base/error.h"
#include "design/field_text.h"
#include "design/json/json_object_reader.h"
#include "dbx/records.h"

namespace nodewick::design {
namespace {

std::string Element(std::string_view array, std::size_t index)
{
    return std::string(array) + '[' + std::to_string(index) + ']';
}

class Linker {
public:
    Linker(Design& design, const std::string& fileName)
        : design_(design), fileName_(fileName), components_(design.components)
    {
    }

    void link(const std::vector<bool>& padCountGiven)
    {
        layers_ = indexIds(design_.layers, "layers", "layer");
        padStyles_ = indexIds(design_.padStyles, "padStyles", "pad style");
        viaStyles_ = indexIds(design_.viaStyles, "viaStyles", "via style");
        checkStyleLayers(design_.padStyles, "padStyles");
        checkStyleLayers(design_.viaStyles, "viaStyles");
        checkComponentsUnique();
        indexIds(design_.nets, "nets", "net");
        checkNetNamesUnique();
        std::vector<std::int32_t> padCounts(design_.components.size(), 0);
        for (std::size_t n = 0; n < design_.nets.size(); ++n) {
            linkNodes(n, padCounts);
            checkVias(n);
        }
        for (std::size_t c = 0; c < design_.components.size(); ++c) {
            if (!padCountGiven[c])
                design_.components[c].padCount = padCounts[c];
        }
    }

private:
    using IdIndex = std::unordered_map<std::int32_t, std::size_t>;

    [[noreturn]] void fail(const std::string& path, std::string_view what) const
    {
        throw DesignError(DesignFileMessage(fileName_, std::nullopt, path, what));
    }

    template <typename T>
    IdIndex indexIds(const std::vector<T>& list, std::string_view array, std::string_view what) const
    {
        IdIndex index;
        index.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto [first, added] = index.emplace(list[i].id, i);
            if (!added) {
                fail(Element(array, i) + ".id",
                     std::string(what) + " id " + std::to_string(list[i].id) + " is already used by " +
                         Element(array, first->second));
            }
        }
        return index;
    }

    void requireLayer(std::int32_t layerId, const std::string& path) const
    {
        if (!layers_.contains(layerId))
            fail(path, "no layer has id " + std::to_string(layerId));
    }

    void checkStyleLayers(const std::vector<Style>& styles, std::string_view array) const
    {
        for (std::size_t s = 0; s < styles.size(); ++s) {
            const Style& style = styles[s];
            const std::string path = Element(array, s);
            requireLayer(style.startLayer, path + ".start");
            requireLayer(style.endLayer, path + ".end");
            for (std::size_t i = 0; i < style.shapes.size(); ++i) {
                const std::int32_t layerId = style.shapes[i].layerId;
                const std::string shapePath = path + '.' + Element("shapes", i) + ".layer";
                requireLayer(layerId, shapePath);
                for (std::size_t j = 0; j < i; ++j) {
                    if (style.shapes[j].layerId == layerId)
                        fail(shapePath,
                             "a second shape for layer " + std::to_string(layerId) + " (the first is " +
                                 Element("shapes", j) + ")");
                }
            }
        }
    }

    void checkComponentsUnique() const
    {
        if (const std::optional<ComponentIndex::Duplicate> duplicate = components_.firstDuplicate()) {
            fail(Element("components", duplicate->later) + ".refDes",
                 "\"" + design_.components[duplicate->later].refDes + "\" is already used by " +
                     Element("components", duplicate->earlier));
        }
    }

    void checkNetNamesUnique() const
    {
        if (const std::optional<RepeatedName> repeated = FirstRepeatedNetName(design_.nets)) {
            fail(Element("nets", repeated->later) + ".name",
                 "the net name \"" + design_.nets[repeated->later].name + "\" is the name of " +
                     Element("nets", repeated->earlier) + " (\"" + design_.nets[repeated->earlier].name +
                     "\") too, once blanks at its ends are trimmed; two nets of one name would be written as one");
        }
    }

    void linkNodes(std::size_t n, std::vector<std::int32_t>& padCounts)
    {
        std::vector<Node>& nodes = design_.nets[n].nodes;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            Node& node = nodes[i];
            if (!padStyles_.contains(node.padStyle)) {
                fail(NodePath(n, i) + ".padStyle", "no pad style has id " + std::to_string(node.padStyle));
            }
            if (node.refDes.empty()) {
                node.componentSide = 0;
                continue;
            }
            const std::optional<std::size_t> component = components_.find(node.refDes);
            if (!component)
                fail(NodePath(n, i) + ".refDes", "no component \"" + node.refDes + "\" in \"components\"");
            node.componentSide = design_.components[*component].side;
            ++padCounts[*component];
        }
    }

    void checkVias(std::size_t n) const
    {
        const std::vector<Item>& items = design_.nets[n].items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].type == dbx::kItemTypeVia && !viaStyles_.contains(items[i].viaStyle)) {
                fail(Element("nets", n) + '.' + Element("items", i) + ".viaStyle",
                     "no via style has id " + std::to_string(items[i].viaStyle));
            }
        }
    }

    static std::string NodePath(std::size_t net, std::size_t node)
    {
        return Element("nets", net) + '.' + Element("nodes", node);
    }

    Design& design_;
    const std::string& fileName_;
    IdIndex layers_;
    IdIndex padStyles_;
    IdIndex viaStyles_;
    ComponentIndex components_;
};

}  // namespace

void LinkJsonDesign(Design& design, const std::vector<bool>& padCountGiven, const std::string& fileName)
{
    Linker(design, fileName).link(padCountGiven);
}

}  // namespace nodewick::design
