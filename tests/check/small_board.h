#pragma once

#include "design/design.h"

namespace nodewick::check::testing {

// A board of three copper layers (top 1, bottom 2, inner 12) whose test
// points fall on whole 0.0001 inch units (254 database units):
//   net 1 GND:   U1-1 surface pad, top, at (10000, 5000)
//                J1-1 drilled pad (40 mil, layers 1 to 2) at (2000, 2000)
//                via of 12 mil, layers 1 to 2, at (4000, 2000)
//   net 2 VCC:   U1-2 surface pad, bottom (flip 1), at (10000, 6000)
//                via of 8 mil, layers 1 to 12 (blind, from the top), at (6000, 6000)
//   net 3 TIE_A: R1-1 surface pad, top, at (12000, 1000), tied to PWR
//   net 4 TIE_B: R1-2 surface pad, top, at (13000, 1000), tied to PWR
inline design::Design SmallBoard()
{
    constexpr std::int32_t kUnit = 254;
    design::Design board;
    board.path = "C:\\boards\\small.pcb";
    board.layers = {{1, "Top", 0}, {2, "Bottom", 0}, {12, "Inner", 0}, {20, "Silk", 2}};
    board.padStyles = {{.id = 1, .name = "SMD", .hole = 0, .startLayer = 1, .endLayer = 1,
                        .shapes = {{1, 100 * kUnit, 100 * kUnit}, {2, 100 * kUnit, 100 * kUnit}}},
                       {.id = 2, .name = "TH40", .hole = 400 * kUnit, .startLayer = 1, .endLayer = 2,
                        .shapes = {{1, 600 * kUnit, 600 * kUnit}, {2, 600 * kUnit, 600 * kUnit}}}};
    board.viaStyles = {{.id = 1, .name = "V12", .hole = 120 * kUnit, .startLayer = 1, .endLayer = 2},
                       {.id = 2, .name = "B8", .hole = 80 * kUnit, .startLayer = 1, .endLayer = 12}};
    board.components = {{"U1", 0, 2}, {"J1", 0, 1}, {"R1", 0, 2}};
    const auto pad = [&](const char* refDes, const char* pin, std::int32_t style, std::int32_t x, std::int32_t y,
                         std::int32_t flip) {
        return design::Node{.refDes = refDes, .pin = pin, .padStyle = style, .x = x * kUnit, .y = y * kUnit,
                            .flip = flip};
    };
    const auto via = [&](std::int32_t style, std::int32_t x, std::int32_t y) {
        return design::Item{.type = 4, .x = x * kUnit, .y = y * kUnit, .viaStyle = style};
    };
    board.nets = {
        {.id = 1, .name = "GND", .nodes = {pad("U1", "1", 1, 10000, 5000, 0), pad("J1", "1", 2, 2000, 2000, 0)},
         .items = {via(1, 4000, 2000), {.type = 1}}},
        {.id = 2, .name = "VCC", .nodes = {pad("U1", "2", 1, 10000, 6000, 1)}, .items = {via(2, 6000, 6000)}},
        {.id = 3, .name = "TIE_A", .attributes = {{"TieNet", "PWR"}}, .nodes = {pad("R1", "1", 1, 12000, 1000, 0)}},
        {.id = 4, .name = "TIE_B", .attributes = {{"TieNet", "PWR"}}, .nodes = {pad("R1", "2", 1, 13000, 1000, 0)}},
    };
    return board;
}

} // namespace nodewick::check::testing
