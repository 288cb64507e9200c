#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "design/design.h"
#include "export/export_run.h"
#include "start/start_up.h"
#include "temp_folder.h"

// Runs the export over a design built in the test, the way the window does it:
// the program's start-up holds the design open in the stand-in editor, its
// layer list is taken over unless the test sets one, and every hook records
// what it was given.
namespace nodewick::testing {

// Ten-thousandths of an inch (the output unit with mils chosen) in database units.
constexpr std::int32_t Out(std::int64_t units)
{
    return static_cast<std::int32_t>(units * 254);
}

inline design::Node Pad(std::string refDes, std::string pin, std::int32_t style, std::int64_t x, std::int64_t y)
{
    return design::Node{.refDes = std::move(refDes), .pin = std::move(pin), .padStyle = style, .x = Out(x),
                     .y = Out(y), .flip = 0, .rotation = 0, .componentSide = 0};
}

inline design::Node BottomPad(std::string refDes, std::string pin, std::int32_t style, std::int64_t x, std::int64_t y)
{
    design::Node node = Pad(std::move(refDes), std::move(pin), style, x, y);
    node.flip = 1;
    node.componentSide = 1;
    return node;
}

inline design::Item Via(std::int32_t style, std::int64_t x, std::int64_t y, std::int32_t flip = 0)
{
    return design::Item{.type = dbx::kItemTypeVia, .x = Out(x), .y = Out(y), .viaStyle = style, .rotation = 0,
                     .flip = flip};
}

inline design::Net Net(std::int32_t id, std::string name, std::vector<design::Node> nodes = {},
                    std::vector<design::Item> items = {})
{
    return design::Net{.id = id, .name = std::move(name), .attributes = {}, .nodes = std::move(nodes),
                    .items = std::move(items)};
}

inline design::Net TiedNet(std::int32_t id, std::string name, std::string tieName, std::vector<design::Node> nodes)
{
    design::Net net = Net(id, std::move(name), std::move(nodes));
    net.attributes.push_back(design::Attribute{.name = "TieNet", .value = std::move(tieName)});
    return net;
}

inline design::Style Style(std::int32_t id, std::string name, std::int32_t hole, std::int32_t start, std::int32_t end,
                        std::vector<design::LayerShape> shapes = {})
{
    return design::Style{.id = id, .name = std::move(name), .hole = hole, .startLayer = start, .endLayer = end,
                      .shapes = std::move(shapes), .typeShapes = {}};
}

// Pad styles 0 to 2 and via styles 0 to 6 that the tests share.
namespace styles {
inline constexpr std::int32_t kThroughPad = 0;   // 40 units hole, layer 1 to 2
inline constexpr std::int32_t kSmdPad = 1;       // no hole, 600 by 200 units on layer 1
inline constexpr std::int32_t kBarePad = 2;      // no hole, no copper anywhere
inline constexpr std::int32_t kThroughVia = 0;   // 32 units, layer 1 to 2
inline constexpr std::int32_t kBlindVia = 1;     // 12 units, layer 1 to 3
inline constexpr std::int32_t kMicroVia = 2;     // no hole, 196 units on layers 1 and 2
inline constexpr std::int32_t kBuriedVia = 3;    // 10 units, layer 3 to 4
inline constexpr std::int32_t kBottomBlind = 4;  // 10 units, layer 4 to 2
inline constexpr std::int32_t kBareVia = 5;      // no hole, no copper
inline constexpr std::int32_t kStrayVia = 6;     // 10 units, layer 6 (not listed) to 4
} // namespace styles

// A four-layer board with a silkscreen, the shared styles, no parts and no nets.
inline design::Design FourLayerBoard(const std::string& path)
{
    using namespace styles;
    design::Design design;
    design.path = path;
    design.layers = {{1, "Top", 0}, {2, "Bottom", 0}, {3, "Inner1", 1}, {4, "Inner2", 1}, {5, "Silk", 2}};
    design.padStyles = {
        Style(kThroughPad, "TH60", Out(40), 1, 2, {{1, Out(600), Out(600)}, {2, Out(600), Out(600)}}),
        Style(kSmdPad, "SMD60x20", 0, 1, 1, {{1, Out(600), Out(200)}}),
        Style(kBarePad, "BARE", 0, 1, 1),
    };
    design.viaStyles = {
        Style(kThroughVia, "V32", Out(32), 1, 2, {{1, Out(500), Out(500)}, {2, Out(500), Out(500)}}),
        Style(kBlindVia, "B12", Out(12), 1, 3),
        Style(kMicroVia, "MICRO", 0, 1, 2, {{1, 50000, 50000}, {2, 50000, 50000}}),
        Style(kBuriedVia, "BUR10", Out(10), 3, 4),
        Style(kBottomBlind, "BB10", Out(10), 4, 2),
        Style(kBareVia, "BAREVIA", 0, 1, 2),
        Style(kStrayVia, "STRAY", Out(10), 6, 4),
    };
    return design;
}

class ExportHarness {
public:
    ExportHarness() : design(FourLayerBoard(folder.file("board.pcb"))) {}

    // Runs one export; layerList, when left empty, is filled from the design.
    exporter::ExportResult run(bool fillLayerList = true)
    {
        start::Started started = start::StartUp(designOpen ? std::optional<design::Design>(design) : std::nullopt);
        start::Conversation& conversation = started.conversation;
        if (fillLayerList && choices.layerList.empty())
            choices.layerList = conversation.layerList;
        const exporter::ExportHooks hooks{
            .showStatus = [this](const std::string& text) { statuses.push_back(text); },
            .showFile = [this](const std::string& text) { shownFiles.push_back(text); },
            .dateTimeText = [] { return std::string("03/08/24 14:05:00"); },
            .openInViewer = [this](const std::string& path) { viewed.push_back(path); },
        };
        exporter::ExportResult result =
            exporter::RunExport(*started.editor, conversation.context, conversation.status, choices, hooks);
        dbx::NetRecord net;
        conversationClosedAfterRun =
            started.editor->TGetFirstNet(conversation.context, net) == dbx::status::kNoConnection;
        return result;
    }

    std::string netlist() const { return ReadBytes(folder.file("board.ipc")); }

    // The lines of the netlist after the header, layer and parameter lines.
    std::vector<std::string> records() const
    {
        std::vector<std::string> lines;
        const std::string text = netlist();
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        const auto lastParameter = std::find(lines.begin(), lines.end(), "P  DIM   N");
        return {lastParameter == lines.end() ? lines.end() : lastParameter + 1, lines.end()};
    }

    // The files the run left in the design folder.
    std::vector<std::string> filesLeft() const { return FileNames(folder.path()); }

    TempFolder folder;
    design::Design design;
    bool designOpen = true;
    exporter::ExportChoices choices;
    std::vector<std::string> statuses;
    std::vector<std::string> shownFiles;
    std::vector<std::string> viewed;
    bool conversationClosedAfterRun = false;
};

} // namespace nodewick::testing
