#pragma once

#include <string>
#include <vector>

#include "design/design.h"
#include "design/stand_in_editor.h"
#include "export/layer_list.h"
#include "export/output_units.h"
#include "export/pad_records.h"
#include "export/via_records.h"
#include "support/line_collector.h"

// Runs padsxy and then viasxy for one net of a design that the stand-in
// editor holds open, the way the run calls them, with the lines going to a
// list instead of a file: the record writers seen without the run around them.
namespace nodewick::testing {

struct NetRecords {
    std::vector<std::string> pads;  // padsxy's lines, in order
    std::vector<std::string> vias;  // viasxy's lines, in order
    std::vector<std::string> warnings;
};

// layerList empty: the design's layers of type 0 and 1, as the window lists
// them. Mils, no offset.
inline NetRecords WriteNetRecords(const design::Design& design, std::int32_t netId, const std::string& netName,
                                  std::vector<std::string> layerList = {})
{
    design::StandInEditor editor(design);
    dbx::DbxContext context;
    editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
    if (layerList.empty())
        layerList = exporter::FillLayerList(editor, context);
    const exporter::LayerPositions layers(layerList);
    exporter::Warnings warnings;
    LineCollector sink;
    exporter::RecordContext records{.dbx = editor, .context = context, .units = exporter::Units::Mils,
                                    .unitDivisor = exporter::UnitDivisor(exporter::Units::Mils), .offsetX = 0,
                                    .offsetY = 0, .layers = layers, .sink = sink, .warnings = warnings};
    const exporter::CurrentNet net{.id = netId, .recordName = netName, .fullName = netName};
    dbx::ItemRecord node;
    const dbx::DbxStatus status = editor.TGetFirstNetNode(context, netId, node);
    const std::int64_t pads = exporter::padsxy(records, net, node, status);
    const std::int64_t vias = exporter::viasxy(records, net);
    NetRecords written{.pads = {sink.lines.begin(), sink.lines.begin() + pads},
                       .vias = {sink.lines.begin() + pads, sink.lines.end()},
                       .warnings = warnings.list()};
    EXPECT_EQ(static_cast<std::int64_t>(sink.lines.size()), pads + vias) << "every record is one line";
    return written;
}

} // namespace nodewick::testing
