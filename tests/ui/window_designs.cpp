#include "window_designs.h"

#include <vector>

#include "dbx/records.h"

namespace nodewick::ui::testing {

design::Design LayeredDesign(const std::string& folder)
{
    design::Design design;
    design.path = folder + "/board.pcb";
    design.layers = {
        {.id = 1, .name = "Top", .type = 0},
        {.id = 3, .name = "GND", .type = 1},
        {.id = 5, .name = "Silk", .type = 2},
        {.id = 4, .name = "Inner", .type = 0},
        {.id = 2, .name = "Bottom", .type = 0},
    };
    design.viaStyles = {
        {.id = 0, .name = "V20", .hole = 50800},
        {.id = 1, .name = "V30", .hole = 76200},
    };
    return design;
}

design::Design WiredDesign(const std::string& folder)
{
    design::Design design = LayeredDesign(folder);
    const std::vector<design::LayerTypeShape> everySignalLayer{{.layerType = 0, .width = 152400, .height = 152400},
                                                             {.layerType = 1, .width = 152400, .height = 152400}};
    design.padStyles = {{.id = 0, .name = "P60", .hole = 81280, .startLayer = 1, .endLayer = 2,
                         .typeShapes = everySignalLayer}};
    design.viaStyles[0].startLayer = 1;
    design.viaStyles[0].endLayer = 2;
    design.viaStyles[0].typeShapes = everySignalLayer;
    design.components = {{.refDes = "R1", .side = 0, .padCount = 2}};
    design.nets = {
        {.id = 1,
         .name = "VCC",
         .nodes = {{.refDes = "R1", .pin = "1", .padStyle = 0, .x = 254000, .y = 508000}},
         .items = {{.type = dbx::kItemTypeVia, .x = 762000, .y = 508000, .viaStyle = 0}}},
        {.id = 2,
         .name = "SENSE_FEEDBACK_A",
         .nodes = {{.refDes = "R1", .pin = "2", .padStyle = 0, .x = 508000, .y = 508000}}},
    };
    return design;
}

} // namespace nodewick::ui::testing
