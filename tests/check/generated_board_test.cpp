// Boards made here, exported by the export run and checked against
// themselves: whatever the units, offset and tie choice, the checker finds
// nothing, and it has seen one record per pad and via.

#include <gtest/gtest.h>

#include "../export/temp_folder.h"
#include "check/design_compare.h"
#include "check/netlist_reader.h"
#include "design/stand_in_editor.h"
#include "export/export_run.h"

namespace nodewick::check {
namespace {

constexpr std::int32_t kMil = 2540;

// A four-layer board (top 1, inner 12 and 13, bottom 2) of `parts` parts of
// four pads each, every other part on the bottom, the first pin of each
// drilled through; nets of two pads with a via each, through, blind from
// the top, buried or blind from the bottom in turn; every fifth net has a
// long name (an alias), nets 3 and 4 of every ten are tied.
design::Design GeneratedBoard(const std::string& path, int parts)
{
    design::Design board;
    board.path = path;
    board.layers = {{1, "Top", 0}, {12, "In1", 0}, {13, "In2", 1}, {2, "Bottom", 0}};
    board.padStyles = {{.id = 1, .name = "SMD", .shapes = {{1, 40 * kMil, 60 * kMil}, {2, 40 * kMil, 60 * kMil}}},
                       {.id = 2, .name = "TH", .hole = 35 * kMil, .startLayer = 1, .endLayer = 2,
                        .shapes = {{1, 60 * kMil, 60 * kMil}, {2, 60 * kMil, 60 * kMil}}}};
    board.viaStyles = {{.id = 1, .name = "T", .hole = 12 * kMil, .startLayer = 1, .endLayer = 2},
                       {.id = 2, .name = "B1", .hole = 8 * kMil, .startLayer = 1, .endLayer = 12},
                       {.id = 3, .name = "BU", .hole = 8 * kMil, .startLayer = 12, .endLayer = 13},
                       {.id = 4, .name = "B2", .hole = 8 * kMil, .startLayer = 13, .endLayer = 2}};
    const int nets = parts * 2;
    for (int n = 0; n < nets; ++n) {
        design::Net net{.id = n + 1, .name = n % 5 == 0 ? "A_RATHER_LONG_SIGNAL_" + std::to_string(n)
                                                         : "S" + std::to_string(n)};
        if (n % 10 == 3 || n % 10 == 4)
            net.attributes.push_back({"TieNet", "TIE" + std::to_string(n / 10)});
        net.items.push_back({.type = 4, .x = (2000 + 50 * n) * kMil, .y = 3000 * kMil, .viaStyle = 1 + n % 4});
        board.nets.push_back(std::move(net));
    }
    for (int p = 0; p < parts; ++p) {
        const std::string refDes = "U" + std::to_string(p + 1);
        const std::int32_t side = p % 2;
        board.components.push_back({refDes, side, 4});
        for (int pin = 0; pin < 4; ++pin) {
            const design::Node node{.refDes = refDes, .pin = std::to_string(pin + 1), .padStyle = pin == 0 ? 2 : 1,
                                    .x = (100 + 200 * p + 50 * pin) * kMil, .y = (500 + 100 * side) * kMil,
                                    .flip = side, .rotation = 900 * pin, .componentSide = side};
            board.nets[static_cast<std::size_t>((2 * p + pin) % nets)].nodes.push_back(node);
        }
    }
    return board;
}

exporter::ExportChoices Choices(exporter::Units units, bool tie, const char* x, const char* y)
{
    return {.units = units, .tie = tie, .view = false, .offsetXText = x, .offsetYText = y,
            .layerList = {"Top   1", "In1   12", "In2   13", "Bottom   2"}};
}

TEST(GeneratedBoard, OwnExportsCheckClean)
{
    const std::pair<exporter::ExportChoices, const char*> runs[] = {
        {Choices(exporter::Units::Mils, true, "0", "0"), "mils, tied, no offset"},
        {Choices(exporter::Units::Mils, false, "12.5", "-300"), "mils, not tied, offset"},
        {Choices(exporter::Units::Millimetres, true, "-1.25", "7.5"), "mm, tied, offset"},
    };
    for (const auto& [choices, name] : runs) {
        const testing::TempFolder folder;
        const design::Design board = GeneratedBoard(folder.file("generated.pcb"), 30);
        design::StandInEditor editor(board);
        dbx::DbxContext context;
        const dbx::DbxStatus opened = editor.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, context);
        const exporter::ExportHooks hooks{.showStatus = [](const std::string&) {},
                                          .showFile = [](const std::string&) {},
                                          .dateTimeText = [] { return std::string("01.01.2026 12:00"); },
                                          .openInViewer = [](const std::string&) {}};
        const exporter::ExportResult result = exporter::RunExport(editor, context, opened, choices, hooks);
        ASSERT_TRUE(result.written) << name << ": " << result.error;

        Netlist netlist = ReadNetlistFile(result.netlistPath);
        design::StandInEditor reader(board);
        dbx::DbxContext readContext;
        reader.TOpenDesign(0, dbx::kDbxVersion, dbx::kDesignTypePcb, readContext);
        CompareWithDesign(netlist, ReadDesignPoints(reader, readContext, netlist.unitsOrInch()));
        EXPECT_TRUE(netlist.findings.empty()) << name << ": " << netlist.findings.list().front().message;
        // 30 parts of 4 pads and 60 vias.
        EXPECT_EQ(netlist.records.size(), 180u) << name;
    }
}

} // namespace
} // namespace nodewick::check
