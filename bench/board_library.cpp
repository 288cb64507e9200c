#include "board_library.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace nodewick::bench {
namespace {

constexpr std::int32_t Mm(double millimetres)
{
    return static_cast<std::int32_t>(millimetres * kDbPerMm + (millimetres < 0 ? -0.5 : 0.5));
}

constexpr std::int32_t Mil(double mils)
{
    return static_cast<std::int32_t>(mils * kDbPerMil + 0.5);
}

constexpr std::array<std::int32_t, 4> kSignalCopper = {kLayerTop, kLayerInner1, kLayerInner4, kLayerBottom};
constexpr std::array<std::int32_t, 2> kPlanes = {kLayerGroundPlane, kLayerPowerPlane};

SynthStyle SurfaceStyle(std::string name, std::int32_t width, std::int32_t height)
{
    return {.name = std::move(name), .hole = 0, .shapes = {{kLayerTop, width, height}, {kLayerBottom, width, height}}};
}

// A plated hole from top to bottom: its land on every signal layer, a thermal
// relief (outside diameter) on the planes.
SynthStyle DrilledStyle(std::string name, std::int32_t hole, std::int32_t land)
{
    SynthStyle style;
    style.name = std::move(name);
    style.hole = hole;
    for (std::int32_t layer : kSignalCopper)
        style.shapes.push_back({layer, land, land});
    for (std::int32_t layer : kPlanes)
        style.shapes.push_back({layer, land + Mm(0.5), land + Mm(0.5)});
    return style;
}

SynthStyle SpanStyle(std::string name, std::int32_t hole, std::int32_t land, std::int32_t start, std::int32_t end)
{
    return {.name = std::move(name),
            .hole = hole,
            .start = start,
            .end = end,
            .shapes = {{start, land, land}, {end, land, land}}};
}

Package TwoPads(std::string name, std::string prefix, PackageKind kind, std::int32_t pitch, std::int32_t style)
{
    return {std::move(name),
            std::move(prefix),
            kind,
            {{-pitch / 2, 0, style, 0, false, "1"}, {pitch / 2, 0, style, 0, false, "2"}}};
}

Package Sot23()
{
    return {"SOT23",
            "Q",
            PackageKind::Transistor,
            {{Mm(-0.95), Mm(-1.1), kSmdSot, 0, false, "1"},
             {Mm(0.95), Mm(-1.1), kSmdSot, 0, false, "2"},
             {0, Mm(1.1), kSmdSot, 0, false, "3"}}};
}

// Two rows, pin 1 top left, counted down the left row and up the right one.
Package DualRow(std::string name, std::string prefix, PackageKind kind, int count, std::int32_t pitch,
                std::int32_t rowSpan, std::int32_t style, std::int32_t padRotation)
{
    Package package{std::move(name), std::move(prefix), kind, {}};
    const int perRow = count / 2;
    const std::int32_t top = (perRow - 1) * pitch / 2;
    for (int i = 0; i < count; ++i) {
        const bool left = i < perRow;
        const int place = left ? i : count - 1 - i;
        const std::int32_t padStyle = (i == 0 && style == kThRound) ? kThSquare : style;
        package.pads.push_back({left ? -rowSpan / 2 : rowSpan / 2, top - place * pitch, padStyle, padRotation, false,
                                std::to_string(i + 1)});
    }
    return package;
}

// A pin header: pins 1, 2 side by side, then 3, 4 and so on.
Package Header(std::string name, int count)
{
    Package package{std::move(name), "J", PackageKind::Connector, {}};
    const std::int32_t pitch = Mil(100);
    const std::int32_t top = (count / 2 - 1) * pitch / 2;
    for (int i = 0; i < count; ++i)
        package.pads.push_back({(i % 2 == 0) ? -pitch / 2 : pitch / 2, top - (i / 2) * pitch,
                                i == 0 ? kThSquare : kThRound, 0, false, std::to_string(i + 1)});
    return package;
}

// Pins on four sides, counter-clockwise from the top of the left side; each
// side's pads turned to face the body.
Package Quad(std::string name, int count, std::int32_t pitch, std::int32_t span)
{
    Package package{std::move(name), "U", PackageKind::Chip, {}};
    const int perSide = count / 4;
    const std::int32_t first = (perSide - 1) * pitch / 2;
    for (int i = 0; i < count; ++i) {
        const int side = i / perSide;
        const std::int32_t along = -first + (i % perSide) * pitch;
        std::int32_t x = 0;
        std::int32_t y = 0;
        switch (side) {
        case 0:
            x = -span / 2;
            y = -along;
            break;
        case 1:
            x = along;
            y = -span / 2;
            break;
        case 2:
            x = span / 2;
            y = along;
            break;
        default:
            x = -along;
            y = span / 2;
            break;
        }
        package.pads.push_back({x, y, kSmdFinePitch, (side % 2 == 0) ? 900 : 0, false, std::to_string(i + 1)});
    }
    return package;
}

// Grid row names as ball grid arrays and backplane connectors letter them:
// no I, O, Q, S, X or Z; after Y come AA, AB, ...
std::string GridRowName(int row)
{
    static constexpr std::string_view kLetters = "ABCDEFGHJKLMNPRTUVWY";
    const auto count = static_cast<int>(kLetters.size());
    if (row < count)
        return std::string(1, kLetters[static_cast<std::size_t>(row)]);
    return std::string(1, kLetters[static_cast<std::size_t>(row / count - 1)]) +
        kLetters[static_cast<std::size_t>(row % count)];
}

Package Grid(std::string name, std::string prefix, PackageKind kind, int rows, int columns, std::int32_t pitch,
             std::int32_t style)
{
    Package package{std::move(name), std::move(prefix), kind, {}};
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            package.pads.push_back({(column - (columns - 1) / 2) * pitch, ((rows - 1) / 2 - row) * pitch, style, 0,
                                    false, GridRowName(row) + std::to_string(column + 1)});
    return package;
}

// A card edge: fingers on the top side and, under them, on the bottom side.
Package EdgeConnector(int perSide)
{
    Package package{"EDGE80", "X", PackageKind::Connector, {}};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < perSide; ++i)
            package.pads.push_back(
                {(i - perSide / 2) * Mm(1.0), 0, kSmdEdgeFinger, 0, side == 1, std::to_string(side * perSide + i + 1)});
    return package;
}

Package SinglePad(std::string name, std::string prefix, PackageKind kind, std::int32_t style)
{
    return {std::move(name), std::move(prefix), kind, {{0, 0, style, 0, false, "1"}}};
}

}  // namespace

std::vector<design::Layer> BoardLayers()
{
    return {{6, "Top Silk", 2},
            {4, "Top Mask", 2},
            {kLayerTop, "Top", 0},
            {kLayerInner1, "Inner1", 0},
            {kLayerGroundPlane, "GND_PLANE", 1},
            {kLayerPowerPlane, "PWR_PLANE", 1},
            {kLayerInner4, "Inner4", 0},
            {kLayerBottom, "Bottom", 0},
            {5, "Bot Mask", 2},
            {7, "Bot Silk", 2},
            {3, "Board", 2}};
}

std::vector<SynthStyle> PadStyles()
{
    return {SurfaceStyle("SMD_0402", Mm(0.6), Mm(0.5)),     SurfaceStyle("SMD_0603", Mm(0.9), Mm(0.95)),
            SurfaceStyle("SMD_0805", Mm(1.2), Mm(1.4)),     SurfaceStyle("SMD_SOT", Mm(1.0), Mm(1.3)),
            SurfaceStyle("SMD_SOIC", Mm(0.6), Mm(1.55)),    SurfaceStyle("SMD_0.25x1.2", Mm(0.25), Mm(1.2)),
            SurfaceStyle("BGA_0.45", Mm(0.45), Mm(0.45)),   SurfaceStyle("EDGE_0.7x3.5", Mm(0.7), Mm(3.5)),
            SurfaceStyle("TP_1.0", Mm(1.0), Mm(1.0)),       SurfaceStyle("SMD_25x60MIL", Mil(25), Mil(60)),
            DrilledStyle("TH_1.0_1.8", Mm(1.0), Mm(1.8)),   DrilledStyle("TH_1.0_1.8SQ", Mm(1.0), Mm(1.8)),
            DrilledStyle("PF_0.65_1.1", Mm(0.65), Mm(1.1)), DrilledStyle("MTG_3.2", Mm(3.2), Mm(6.0))};
}

std::vector<SynthStyle> ViaStyles()
{
    return {DrilledStyle("VIA_0.3_0.6", Mm(0.3), Mm(0.6)),
            DrilledStyle("VIA_0.2_0.45", Mm(0.2), Mm(0.45)),
            DrilledStyle("VIA_12_24MIL", Mil(12), Mil(24)),
            SpanStyle("UVIA_TOP_IN1", Mm(0.1), Mm(0.3), kLayerTop, kLayerInner1),
            SpanStyle("UVIA_IN4_BOT", Mm(0.1), Mm(0.3), kLayerInner4, kLayerBottom),
            SpanStyle("BURIED_IN1_IN4", Mm(0.2), Mm(0.45), kLayerInner1, kLayerInner4),
            SurfaceStyle("SURFACE_0.5", Mm(0.5), Mm(0.5))};
}

std::vector<PackageChoice> PackageChoices()
{
    return {
        {TwoPads("R0402", "R", PackageKind::Resistor, Mm(1.0), kSmd0402), 2500, 350},
        {TwoPads("C0402", "C", PackageKind::Capacitor, Mm(1.0), kSmd0402), 2500, 400},
        {TwoPads("R0603", "R", PackageKind::Resistor, Mm(1.6), kSmd0603), 800, 300},
        {TwoPads("C0603", "C", PackageKind::Capacitor, Mm(1.6), kSmd0603), 800, 300},
        {TwoPads("C0805", "C", PackageKind::Capacitor, Mm(1.9), kSmd0805), 400, 200},
        {TwoPads("R1206MIL", "R", PackageKind::Resistor, Mil(120), kSmdMilSized), 100, 100},
        {Sot23(), 600, 200},
        {DualRow("SOIC8", "U", PackageKind::Chip, 8, Mm(1.27), Mm(5.4), kSmdSoic, 900), 300, 100},
        {DualRow("SOIC16", "U", PackageKind::Chip, 16, Mm(1.27), Mm(5.4), kSmdSoic, 900), 200, 100},
        {DualRow("TSSOP20", "U", PackageKind::Chip, 20, Mm(0.65), Mm(5.8), kSmdFinePitch, 900), 200, 100},
        {DualRow("DIP14", "U", PackageKind::Chip, 14, Mil(100), Mil(300), kThRound, 0), 50, 0},
        {Quad("QFP64", 64, Mm(0.5), Mm(11.4)), 60, 50},
        {Quad("QFP144", 144, Mm(0.5), Mm(21.4)), 30, 0},
        {Grid("BGA256", "U", PackageKind::Chip, 16, 16, Mm(1.0), kSmdBga), 25, 50},
        {Grid("BGA676", "U", PackageKind::Chip, 26, 26, Mm(1.0), kSmdBga), 8, 0},
        {Header("HDR2X20", 40), 40, 0},
        {Grid("BP_CONN200", "J", PackageKind::Connector, 10, 20, Mm(2.0), kThPressFit), 10, 0},
        {EdgeConnector(40), 5, 0},
        {SinglePad("TESTPAD", "TP", PackageKind::TestPoint, kSmdTestPoint), 300, 500},
        {SinglePad("MTG_HOLE", "MH", PackageKind::MountingHole, kThMounting), 30, 0},
    };
}

}  // namespace nodewick::bench
