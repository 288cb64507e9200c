#include "design/pcad/netlist.h"

#include "design/pcad/forms.h"
#include "design/pcad/values.h"

namespace nodewick::design::pcad {
namespace {

// Usually (node "R1" "2"); a single "R1 2" is split at its first space.
NodeRef ReadNode(ListView node, Reporter& reporter)
{
    ValueReader values(node, Unit::Mil, reporter);
    NodeRef ref;
    ref.line = node.line();
    ref.refDes = values.text();
    if (!values.atEnd()) {
        ref.pin = values.text();
        return ref;
    }
    const std::size_t space = ref.refDes.find(' ');
    if (space == std::string::npos)
        reporter.fail(node.line(), "the node " + Quoted(ref.refDes) + " names no pin");
    ref.pin = ref.refDes.substr(space + 1);
    ref.refDes.resize(space);
    return ref;
}

Attribute ReadAttribute(ListView attr, Reporter& reporter)
{
    ValueReader values(attr, Unit::Mil, reporter);
    Attribute attribute;
    attribute.name = values.text();
    if (!values.atEnd())
        attribute.value = values.text();
    return attribute;
}

// How many lists directly inside form start with keyword.
std::size_t CountChildLists(ListView form, std::string_view keyword)
{
    std::size_t count = 0;
    for (const ListView child : form.lists())
        count += child.is(keyword) ? 1 : 0;
    return count;
}

void AddNet(ListView form, Netlist& netlist, Reporter& reporter)
{
    NetDef net;
    net.name = NameOf(form, reporter);
    net.line = form.line();
    net.nodes.reserve(CountChildLists(form, "node"));
    for (const ListView child : form.lists()) {
        if (child.is("node"))
            net.nodes.push_back(ReadNode(child, reporter));
        else if (child.is("attr"))
            net.attributes.push_back(ReadAttribute(child, reporter));
    }
    // A second net of one name is refused when the design is built, with
    // the nets whose names become one once trimmed.
    netlist.netNames.add(net.name, netlist.nets.size());
    netlist.nets.push_back(std::move(net));
}

void AddPart(ListView form, Netlist& netlist, Reporter& reporter)
{
    std::string refDes = NameOf(form, reporter);
    std::string compRef = TextOfChild(form, "compRef", reporter).value_or("");
    if (!netlist.compDefOfPart.emplace(std::move(refDes), std::move(compRef)).second)
        reporter.warn(form.line(),
                      "the part " + Quoted(NameOf(form, reporter)) + " is listed twice; the first is used");
}

// Makes room for all nets and parts at once: a large board has a hundred
// thousand of each, and growing the maps step by step rehashes them again and
// again.
void Reserve(const std::vector<ListView>& netlistForms, Netlist& netlist)
{
    std::size_t nets = 0;
    std::size_t parts = 0;
    for (const ListView& form : netlistForms) {
        nets += CountChildLists(form, "net");
        parts += CountChildLists(form, "compInst");
    }
    netlist.nets.reserve(nets);
    netlist.netNames.reserve(nets);
    netlist.compDefOfPart.reserve(parts);
}

}  // namespace

Netlist ReadNetlist(const std::vector<ListView>& netlistForms, Reporter& reporter)
{
    Netlist netlist;
    Reserve(netlistForms, netlist);
    for (const ListView& form : netlistForms) {
        for (const ListView child : form.lists()) {
            if (child.is("compInst"))
                AddPart(child, netlist, reporter);
            else if (child.is("net"))
                AddNet(child, netlist, reporter);
            else if (!IsSkippedForm(FormPlace::Netlist, child.keyword()))
                reporter.warnUnknownForm(child.line(), child.keyword());
        }
    }
    return netlist;
}

}  // namespace nodewick::design::pcad
