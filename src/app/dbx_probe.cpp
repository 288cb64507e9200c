#include "dbx_probe.h"

#include <string>

#include "dbx/status_text.h"
#include "dbx/trim_null.h"

namespace nodewick::cli {
namespace {

constexpr int kNetsShown = 3;
constexpr int kNodesShown = 4;

std::string Quoted(std::string_view field)
{
    return '"' + dbx::TrimNull(field) + '"';
}

void Status(std::ostream& out, std::string_view call, dbx::DbxStatus status)
{
    out << call << ": " << status << " (" << dbx::StatusText(status) << ")\n";
}

void ProbeDesign(dbx::Dbx& dbx, dbx::DbxContext& context, std::ostream& out)
{
    dbx::DesignInfo info;
    const dbx::DbxStatus status = dbx.TGetDesignInfo(context, info);
    Status(out, "TGetDesignInfo", status);
    if (status != dbx::status::kSuccess)
        return;
    out << "  design path " << Quoted(info.designFile.field()) << "\n  title " << Quoted(info.title.field())
        << "\n  engineer " << Quoted(info.engineer.field()) << "\n  revision " << Quoted(info.revision.field())
        << "\n  drawing number " << Quoted(info.drawingNumber.field()) << '\n';
}

void ProbeLayers(dbx::Dbx& dbx, dbx::DbxContext& context, std::ostream& out)
{
    dbx::LayerRecord layer;
    dbx::DbxStatus status = dbx.TGetFirstLayer(context, layer);
    for (; status == dbx::status::kSuccess; status = dbx.TGetNextLayer(context, layer))
        out << "  layer " << layer.layerId << ' ' << Quoted(layer.layerName.field()) << " type " << layer.layerType
            << '\n';
    Status(out, "layers end with", status);
}

void ProbeViaStyles(dbx::Dbx& dbx, dbx::DbxContext& context, std::ostream& out)
{
    dbx::PadViaStyle style;
    std::int32_t id = 0;
    dbx::DbxStatus status = dbx.TGetViaStyle(context, id, style);
    for (; status == dbx::status::kSuccess; status = dbx.TGetViaStyle(context, ++id, style))
        out << "  via style " << id << ' ' << Quoted(style.name.field()) << " hole " << style.holeDiameter << " layers "
            << style.startLayer << '-' << style.endLayer << " plated " << style.isHolePlated << '\n';
    Status(out, "via styles end with", status);
}

void ProbeNodes(dbx::Dbx& dbx, dbx::DbxContext& context, std::int32_t netId, std::ostream& out)
{
    dbx::ItemRecord node;
    dbx::DbxStatus status = dbx.TGetFirstNetNode(context, netId, node);
    for (int shown = 0; status == dbx::status::kSuccess && shown < kNodesShown; ++shown) {
        out << "    node type " << node.itemType << " component " << Quoted(node.pad.refDes.field()) << " pin "
            << Quoted(node.pad.pinDes.field()) << " at " << node.pad.x << ',' << node.pad.y << " flip " << node.pad.flip
            << " side " << node.component.side << " pad style " << node.pad.padStyleId << '\n';
        status = dbx.TGetNextNetNode(context, node);
    }
    if (status != dbx::status::kSuccess)
        Status(out, "    nodes end with", status);
}

void ProbeVias(dbx::Dbx& dbx, dbx::DbxContext& context, std::int32_t netId, std::ostream& out)
{
    dbx::ItemRecord item;
    for (dbx::DbxStatus status = dbx.TGetFirstNetItem(context, netId, item); status == dbx::status::kSuccess;
         status = dbx.TGetNextNetItem(context, item)) {
        if (item.itemType == dbx::kItemTypeVia)
            out << "    via at " << item.via.x << ',' << item.via.y << " style " << item.via.viaStyleId << '\n';
    }
}

void ProbeNets(dbx::Dbx& dbx, dbx::DbxContext& context, std::ostream& out)
{
    dbx::NetRecord net;
    dbx::DbxStatus status = dbx.TGetFirstNet(context, net);
    int nets = 0;
    for (; status == dbx::status::kSuccess; status = dbx.TGetNextNet(context, net), ++nets) {
        if (nets >= kNetsShown)
            continue;
        out << "  net " << net.netId << ' ' << Quoted(net.netName.field()) << " nodes " << net.nodeCount << '\n';
        ProbeNodes(dbx, context, net.netId, out);
        ProbeVias(dbx, context, net.netId, out);
    }
    out << "  " << nets << " nets\n";
    Status(out, "nets end with", status);
}

}  // namespace

dbx::DbxStatus ProbeDbx(dbx::Dbx& dbx, std::ostream& out)
{
    dbx::DbxContext context;
    const dbx::DbxStatus opened = dbx.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    Status(out, "TOpenDesign", opened);
    ProbeDesign(dbx, context, out);
    if (opened == dbx::status::kSuccess) {
        ProbeLayers(dbx, context, out);
        ProbeViaStyles(dbx, context, out);
        ProbeNets(dbx, context, out);
    }
    Status(out, "TCloseDesign", dbx.TCloseDesign(context, ""));
    return opened;
}

}  // namespace nodewick::cli
