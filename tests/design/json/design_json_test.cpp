#include "design/json/design_json.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

using nodewick::DesignError;
using namespace nodewick::design;
using namespace nodewick::dbx;
namespace dbx = nodewick::dbx;

namespace {

LoadedDesign Load(const std::string& json, const std::string& file = "board.json")
{
    std::istringstream in(json);
    return LoadJsonDesign(in, file);
}

// The message of the load error, or a note that the design loaded.
std::string LoadError(const std::string& json)
{
    try {
        Load(json);
    } catch (const DesignError& error) {
        return error.what();
    }
    return "(loaded)";
}

// A valid design around one net's nodes and items; the tests change one
// member at a time.
std::string WithNet(const std::string& net, const std::string& extra = "")
{
    return R"({"nodewickDesign": 1, "path": "C:\\pcb\\t.pcb",
  "layers": [{"id": 1, "name": "Top", "type": 0}, {"id": 2, "name": "Bottom", "type": 0}],
  "padStyles": [{"id": 0, "name": "P", "hole": 0, "start": 1, "end": 1}],
  "viaStyles": [{"id": 0, "name": "V", "hole": 1000, "start": 1, "end": 2}],
  "components": [{"refDes": "U1", "side": 0}],
  "nets": [)" + net + "]" + extra + "}";
}

} // namespace

TEST(LoadJsonDesign, ReadsEveryPartInFileOrder)
{
    const LoadedDesign loaded = Load(R"({
  "nodewickDesign": 1,
  "path": "C:\\pcb\\demo.pcb", "title": "Demo", "engineer": "Ann", "revision": "C", "drawingNumber": "DWG-1",
  "layers": [{"id": 1, "name": "Top", "type": 0}, {"id": 13, "name": "GND plane", "type": 1},
             {"id": 2, "name": "Bottom", "type": 0}],
  "padStyles": [{"id": 4, "name": "R60", "hole": "38mil", "start": 1, "end": 2,
                 "shapes": [{"layer": 1, "width": "60mil", "height": "1.524mm"},
                            {"layer": 13, "width": 1, "height": 2}]}],
  "viaStyles": [{"id": 0, "name": "V24", "hole": 30480, "start": 1, "end": 13}],
  "components": [{"refDes": "U1", "side": 0}, {"refDes": "C7", "side": 1, "padCount": 9}],
  "nets": [
    {"id": 12, "name": "NET1", "attributes": [{"name": "TieNet", "value": "T1"}],
     "nodes": [{"refDes": "U1", "pin": "3", "padStyle": 4, "x": "100mil", "y": 254000, "flip": 1, "rotation": 455},
               {"padStyle": 4, "x": 1, "y": 2}],
     "items": [{"type": 4, "x": "0.5mm", "y": -7, "viaStyle": 0, "rotation": 900, "flip": 1}, {"type": 7}]},
    {"id": 3, "name": "GND", "nodes": [{"refDes": "C7", "pin": "1", "padStyle": 4, "x": 0, "y": 0},
                                       {"refDes": "U1", "pin": "8", "padStyle": 4, "x": 0, "y": 0}]}
  ],
  "status": {"TGetViaStyle": 32178}
})");
    const Design& d = loaded.design;
    EXPECT_TRUE(loaded.warnings.empty());
    EXPECT_EQ(d.path, "C:\\pcb\\demo.pcb");
    EXPECT_EQ(d.title, "Demo");
    EXPECT_EQ(d.engineer, "Ann");
    EXPECT_EQ(d.revision, "C");
    EXPECT_EQ(d.drawingNumber, "DWG-1");

    ASSERT_EQ(d.layers.size(), 3u);
    EXPECT_EQ(d.layers[1].id, 13);
    EXPECT_EQ(d.layers[1].name, "GND plane");
    EXPECT_EQ(d.layers[1].type, 1);

    ASSERT_EQ(d.padStyles.size(), 1u);
    const Style& pad = d.padStyles[0];
    EXPECT_EQ(pad.id, 4);
    EXPECT_EQ(pad.hole, 96520);  // 38 mil
    EXPECT_EQ(pad.startLayer, 1);
    EXPECT_EQ(pad.endLayer, 2);
    ASSERT_EQ(pad.shapes.size(), 2u);
    EXPECT_EQ(pad.shapes[0].width, 152400);
    EXPECT_EQ(pad.shapes[0].height, 152400);
    EXPECT_EQ(pad.shapes[1].layerId, 13);
    ASSERT_EQ(d.viaStyles.size(), 1u);
    EXPECT_EQ(d.viaStyles[0].endLayer, 13);
    EXPECT_TRUE(d.viaStyles[0].shapes.empty());

    ASSERT_EQ(d.components.size(), 2u);
    EXPECT_EQ(d.components[0].padCount, 2);  // counted: NET1 and GND each name U1 once
    EXPECT_EQ(d.components[1].padCount, 9);  // given
    EXPECT_EQ(d.components[1].side, 1);

    ASSERT_EQ(d.nets.size(), 2u);
    const Net& net1 = d.nets[0];
    EXPECT_EQ(net1.id, 12);
    ASSERT_EQ(net1.attributes.size(), 1u);
    EXPECT_EQ(net1.attributes[0].value, "T1");
    ASSERT_EQ(net1.nodes.size(), 2u);
    EXPECT_EQ(net1.nodes[0].x, 254000);
    EXPECT_EQ(net1.nodes[0].flip, 1);
    EXPECT_EQ(net1.nodes[0].rotation, 455);
    EXPECT_EQ(net1.nodes[1].refDes, "");
    EXPECT_EQ(net1.nodes[1].pin, "");
    EXPECT_EQ(net1.nodes[1].flip, 0);
    EXPECT_EQ(net1.nodes[1].rotation, 0);
    ASSERT_EQ(net1.items.size(), 2u);
    EXPECT_EQ(net1.items[0].x, 50000);
    EXPECT_EQ(net1.items[0].y, -7);
    EXPECT_EQ(net1.items[0].rotation, 900);
    EXPECT_EQ(net1.items[1].type, 7);
    EXPECT_EQ(d.nets[1].nodes[0].componentSide, 1);  // C7 is on the bottom
    EXPECT_EQ(d.nets[1].nodes[1].componentSide, 0);
    EXPECT_TRUE(d.nets[1].items.empty());
    EXPECT_TRUE(d.nets[1].attributes.empty());

    ASSERT_EQ(d.forcedStatuses.size(), 1u);
    EXPECT_EQ(d.forcedStatuses[0].operation, Operation::TGetViaStyle);
    EXPECT_EQ(d.forcedStatuses[0].status, 32178);
}

TEST(LoadJsonDesign, KeysInAnyOrderAndReferencesAhead)
{
    // Nets before the styles and components they use; "type" after the via's place.
    const LoadedDesign loaded = Load(R"({"nets": [{"items": [{"x": 1, "viaStyle": 5, "y": 2, "type": 4}], "name": "N",
      "nodes": [{"x": 0, "y": 0, "padStyle": 3, "refDes": "J1"}], "id": 1}],
      "components": [{"side": 1, "refDes": "J1"}],
      "viaStyles": [{"end": 1, "start": 1, "hole": 0, "name": "V", "id": 5}],
      "padStyles": [{"end": 1, "start": 1, "hole": 0, "name": "P", "id": 3}],
      "layers": [{"type": 0, "name": "Top", "id": 1}], "nodewickDesign": 1, "path": "x"})");
    EXPECT_EQ(loaded.design.nets[0].items[0].viaStyle, 5);
    EXPECT_EQ(loaded.design.nets[0].nodes[0].componentSide, 1);
    EXPECT_EQ(loaded.design.components[0].padCount, 1);
}

TEST(LoadJsonDesign, WithoutPathDesignTextOneIsTheFilesAbsolutePath)
{
    const LoadedDesign loaded = Load(R"({"nodewickDesign": 1})", "sub/../board.json");
    EXPECT_EQ(loaded.design.path, (std::filesystem::current_path() / "board.json").string());
    EXPECT_TRUE(loaded.design.nets.empty());
    EXPECT_EQ(loaded.design.title, "");
}

TEST(LoadJsonDesign, TextsBecomeWindows1252AndAreMeasuredInItsBytes)
{
    // 100 characters of "é" are 200 bytes of UTF-8 but fit a 100-byte field.
    std::string e100;
    for (int i = 0; i < 100; ++i)
        e100 += "\u00E9";
    const LoadedDesign loaded = Load(WithNet(R"({"id": 1, "name": ")" + e100 + R"(", "attributes":
        [{"name": "\u20AC", "value": ")" + std::string(256, 'v') + R"("}]})"));
    EXPECT_EQ(loaded.design.nets[0].name, std::string(100, '\xE9'));
    EXPECT_EQ(loaded.design.nets[0].attributes[0].name, "\x80");
}

TEST(LoadJsonDesign, UnknownKeysAreIgnoredWithAWarningAndOtherItemsKeepTheirs)
{
    const LoadedDesign loaded = Load(WithNet(R"({"id": 1, "name": "N", "colour": {"r": 1},
        "nodes": [{"padStyle": 0, "x": 0, "y": 0, "rotaton": 900}],
        "items": [{"type": 2, "width": 7, "points": [[0, 0], [1, 1]]}]})"));
    ASSERT_EQ(loaded.warnings.size(), 2u);
    EXPECT_EQ(loaded.warnings[0], "board.json: nets[0].nodes[0].rotaton: unknown key, ignored");
    EXPECT_EQ(loaded.warnings[1], "board.json: nets[0].colour: unknown key, ignored");
    EXPECT_EQ(loaded.design.nets[0].nodes[0].rotation, 0);
    EXPECT_EQ(loaded.design.nets[0].items[0].type, 2);
}

TEST(LoadJsonDesign, SyntaxErrorGivesLineAndColumn)
{
    const std::string message =
        LoadError("{\n  \"nodewickDesign\": 1,\n  \"layers\": [\n    {\"id\": 1,, \"name\": \"T\"}\n]}");
    EXPECT_NE(message.find("board.json: JSON syntax error at line 4, column 14"), std::string::npos) << message;
    EXPECT_NE(message.find("(in layers[0].id)"), std::string::npos) << message;

    // The file ends after 20 characters: the parser reports the place just past them.
    EXPECT_NE(LoadError("{\"nodewickDesign\": 1").find("line 1, column 21"), std::string::npos);
    EXPECT_NE(LoadError("{\"nodewickDesign\": 1} x").find("JSON syntax error at line 1"), std::string::npos);
    EXPECT_NE(LoadError("{\"title\": \"\xE9\"}").find("JSON syntax error"), std::string::npos);  // not UTF-8
}

TEST(LoadJsonDesign, EachKindOfContentErrorNamesThePathAndTheFault)
{
    const std::string node = R"("padStyle": 0, "x": 0, "y": 0)";
    const std::pair<std::string, std::string> cases[] = {
        // missing required keys
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{)" + node + R"(}, {"x": 0, "y": 0}]})"),
         "nets[0].nodes[1]: the required key \"padStyle\" is missing"},
        {WithNet(R"({"name": "N"})"), "nets[0]: the required key \"id\" is missing"},
        {WithNet(R"({"id": 1, "name": "N", "items": [{"type": 4, "x": 0, "y": 0}]})"),
         "nets[0].items[0]: the required key \"viaStyle\" is missing"},
        {R"({"layers": []})", "the required key \"nodewickDesign\" is missing"},
        // wrong types
        {WithNet(R"({"id": "1", "name": "N"})"), "nets[0].id: expected an integer, found a string"},
        {WithNet(R"({"id": 1.0, "name": "N"})"), "nets[0].id: expected an integer, found a number with a fraction"},
        {WithNet(R"({"id": 1, "name": 5})"), "nets[0].name: expected a string, found an integer"},
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"padStyle": 0, "x": true, "y": 0}]})"),
         "nets[0].nodes[0].x: expected a length (an integer in database units, or a string with a unit"},
        {WithNet(R"({"id": 1, "name": "N", "nodes": {}})"), "nets[0].nodes: expected an array, found an object"},
        {WithNet(R"({"id": 1, "name": "N", "nodes": [7]})"), "nets[0].nodes[0]: expected an object, found an integer"},
        {WithNet("", R"(, "status": [])"), "status: expected an object, found an array"},
        {"[]", "a design file is one JSON object, but this file holds an array"},
        // duplicates
        {WithNet(R"({"id": 5, "name": "A"}, {"id": 5, "name": "B"})"),
         "nets[1].id: net id 5 is already used by nets[0]"},
        {WithNet(R"({"id": 5, "name": "A", "name": "B"})"), "nets[0].name: the key appears twice in one object"},
        {R"({"nodewickDesign": 1, "components": [{"refDes": "R1"}, {"refDes": "R1"}]})",
         "components[1].refDes: \"R1\" is already used by components[0]"},
        {R"({"nodewickDesign": 1, "layers": [{"id": 1, "name": "A", "type": 0}, {"id": 1, "name": "B", "type": 0}]})",
         "layers[1].id: layer id 1 is already used by layers[0]"},
        // references
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"padStyle": 9, "x": 0, "y": 0}]})"),
         "nets[0].nodes[0].padStyle: no pad style has id 9"},
        {WithNet(R"({"id": 1, "name": "N", "items": [{"type": 4, "x": 0, "y": 0, "viaStyle": 1}]})"),
         "nets[0].items[0].viaStyle: no via style has id 1"},
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"refDes": "U2", )" + node + "}]}"),
         "nets[0].nodes[0].refDes: no component \"U2\" in \"components\""},
        {R"({"nodewickDesign": 1, "padStyles": [{"id": 0, "name": "P", "hole": 0, "start": 1, "end": 1}]})",
         "padStyles[0].start: no layer has id 1"},
        // texts
        {WithNet(R"({"id": 1, "name": ")" + std::string(101, 'N') + R"("})"),
         "nets[0].name: the text is 101 bytes long; its DBX field holds 100 (counted in Windows-1252 bytes)"},
        {WithNet(R"({"id": 1, "name": "N", "attributes": [{"name": "A", "value": ")" + std::string(257, 'v') +
                 R"("}]})"),
         "nets[0].attributes[0].value: the text is 257 bytes long; its DBX field holds 256 (counted in Windows-1252 bytes)"},
        {WithNet(R"({"id": 1, "name": "\u03A9"})"), "nets[0].name: the character U+03A9"},
        // lengths and ranges
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"padStyle": 0, "x": "60cm", "y": 0}]})"),
         "nets[0].nodes[0].x: \"60cm\" has an unknown unit \"cm\""},
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"padStyle": 0, "x": 0, "y": "60"}]})"),
         "nets[0].nodes[0].y: \"60\" has no unit"},
        {WithNet(R"({"id": 2147483648, "name": "N"})"), "nets[0].id: the value is outside the 32-bit signed range"},
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"padStyle": 0, "x": "900000mil", "y": 0}]})"),
         "nets[0].nodes[0].x: \"900000mil\" is outside the 32-bit signed range"},
        {WithNet(R"({"id": 99999999999999999999999, "name": "N"})"), "nets[0].id: the value is outside"},
        {R"({"nodewickDesign": 1, "layers": [{"id": 1, "name": "T", "type": 0}],
            "viaStyles": [{"id": 0, "name": "V", "hole": "-1mil", "start": 1, "end": 1}]})",
         "viaStyles[0].hole: a size cannot be negative"},
        // the file itself
        {R"({"nodewickDesign": 2})", "nodewickDesign: this is design file format 2; Nodewick reads format 1"},
        {WithNet("", R"(, "status": {"TGetPadStyles": 32141})"), "status.TGetPadStyles: not a DBX operation"},
        {WithNet("", R"(, "status": {"TGetPadStyle": 0})"), "status.TGetPadStyle: a forced status cannot be 0"},
        {R"({"nodewickDesign": 1, "components": [{"refDes": ""}]})", "components[0].refDes: a component needs"},
    };
    for (const auto& [json, expected] : cases) {
        const std::string message = LoadError(json);
        EXPECT_NE(message.find(expected), std::string::npos) << "expected: " << expected << "\ngot: " << message;
    }
}

TEST(LoadJsonDesign, AStyleIsPlatedUnlessItSaysFalse)
{
    const LoadedDesign loaded = Load(R"({"nodewickDesign": 1, "layers": [{"id": 1, "name": "T", "type": 0}],
  "padStyles": [{"id": 0, "name": "TH", "hole": 40, "start": 1, "end": 1},
                {"id": 1, "name": "MT", "hole": 40, "start": 1, "end": 1, "plated": false}],
  "viaStyles": [{"id": 0, "name": "V", "hole": 40, "start": 1, "end": 1, "plated": true}]})");
    ASSERT_EQ(loaded.design.padStyles.size(), 2u);
    EXPECT_TRUE(loaded.design.padStyles[0].plated);
    EXPECT_FALSE(loaded.design.padStyles[1].plated);
    EXPECT_TRUE(loaded.design.viaStyles[0].plated);
    EXPECT_NE(LoadError(R"({"nodewickDesign": 1, "layers": [{"id": 1, "name": "T", "type": 0}],
  "padStyles": [{"id": 0, "name": "P", "hole": 0, "start": 1, "end": 1, "plated": 0}]})")
                  .find("padStyles[0].plated: expected true or false, found an integer"),
              std::string::npos);
}

TEST(LoadJsonDesign, ErrorsSayTheLineAndColumnOfTheMemberOrOfItsObject)
{
    // Line 6 of WithNet holds `  "nets": [` and then the net: its "{" is
    // column 12, the key "id" starts at column 13.
    EXPECT_NE(LoadError(WithNet(R"({"id": "1", "name": "N"})")).find("board.json: line 6, column 13: nets[0].id: expected"),
              std::string::npos);
    EXPECT_NE(LoadError(WithNet(R"({"name": "N"})")).find("board.json: line 6, column 12: nets[0]: the required key"),
              std::string::npos);
    // A number beyond 64 bits reads like every other error, with its digits.
    // The first net takes columns 12 to 41, ", " 42 and 43, the second's "{"
    // is column 44 and its "id" 45.
    EXPECT_EQ(LoadError(WithNet(R"({"id": 1, "name": "N", "x": 0}, {"id": 99999999999999999999, "name": "M"})")),
              "board.json: line 6, column 45: nets[1].id: the value is outside the 32-bit signed range: "
              "99999999999999999999");
}

TEST(LoadJsonDesign, ControlCharactersInTextsTheNetlistWritesAreRefused)
{
    const std::string node = R"("padStyle": 0, "x": 0, "y": 0)";
    const std::pair<std::string, std::string> cases[] = {
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{"refDes": "U1", "pin": "4\n999", )" + node + "}]})"),
         "nets[0].nodes[0].pin: the text holds the line feed 0x0A, which would break its line of the netlist"},
        {WithNet("", R"(, "title": "Amp\r\nP  UNITS SI")"), "title: the text holds the carriage return 0x0D"},
        {WithNet(R"({"id": 1, "name": "N\u007F"})"), "nets[0].name: the text holds the delete character 0x7F"},
        {WithNet(R"({"id": 1, "name": "N", "attributes": [{"name": "TieNet", "value": "T\t1"}]})"),
         "nets[0].attributes[0].value: the text holds the tab 0x09"},
        {R"({"nodewickDesign": 1, "path": "C:\\pcb\\a\u0001.pcb"})", "path: the text holds the control character 0x01"},
    };
    for (const auto& [json, expected] : cases) {
        const std::string message = LoadError(json);
        EXPECT_NE(message.find(expected), std::string::npos) << "expected: " << expected << "\ngot: " << message;
    }
    // An attribute that is no tie is not written: its value may hold a line break.
    const LoadedDesign loaded =
        Load(WithNet(R"({"id": 1, "name": "N", "attributes": [{"name": "Note", "value": "two\nlines"}]})"));
    EXPECT_EQ(loaded.design.nets[0].attributes[0].value, "two\nlines");
}

TEST(LoadJsonDesign, ValuesNoRecordCanHoldAreRefused)
{
    const std::string at = R"("padStyle": 0, "x": 0, "y": 0)";
    const std::pair<std::string, std::string> cases[] = {
        {WithNet(R"({"id": 1, "name": "N", "nodes": [{)" + at + R"(, "rotation": 3601}]})"),
         "nets[0].nodes[0].rotation: a rotation is tenths of a degree from -3600 to 3600, not 3601"},
        {WithNet(R"({"id": 1, "name": "N", "items": [{"type": 4, "x": 0, "y": 0, "viaStyle": 0, "rotation": -3601}]})"),
         "nets[0].items[0].rotation: a rotation is tenths of a degree from -3600 to 3600, not -3601"},
        {R"({"nodewickDesign": 1, "components": [{"refDes": "R1", "padCount": -1}]})",
         "components[0].padCount: a pad count cannot be negative: -1"},
        {R"({"nodewickDesign": 1, "path": ""})", "line 1, column 23: path: an empty path names no file"},
        {WithNet(R"({"id": 1, "name": "GND"}, {"id": 2, "name": "GND"})"),
         "nets[1].name: the net name \"GND\" is the name of nets[0] (\"GND\") too"},
        {WithNet(R"({"id": 1, "name": "GND"}, {"id": 2, "name": " GND "})"),
         "nets[1].name: the net name \" GND \" is the name of nets[0] (\"GND\") too, once blanks at its ends are trimmed"},
    };
    for (const auto& [json, expected] : cases) {
        const std::string message = LoadError(json);
        EXPECT_NE(message.find(expected), std::string::npos) << "expected: " << expected << "\ngot: " << message;
    }
    // The limits themselves are rotations a record holds.
    const LoadedDesign loaded =
        Load(WithNet(R"({"id": 1, "name": "N", "nodes": [{)" + at + R"(, "rotation": -3600}, {)" + at +
                     R"(, "rotation": 3600}]})"));
    EXPECT_EQ(loaded.design.nets[0].nodes[0].rotation, -3600);
    EXPECT_EQ(loaded.design.nets[0].nodes[1].rotation, 3600);
}
