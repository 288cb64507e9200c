#include "json_design_writer.h"

#include <stdexcept>
#include <string_view>

#include "length_text.h"
#include "output_file.h"

namespace nodewick::bench {
namespace {

// A JSON string from a Windows-1252 text. The generator only uses the
// Latin-1 part of the code page above 127, which maps one to one to U+00A0
// to U+00FF.
void PutString(OutputFile& out, std::string_view text)
{
    out << '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte >= 0xA0) {
            out << static_cast<char>(0xC0 | (byte >> 6)) << static_cast<char>(0x80 | (byte & 0x3F));
        } else if (byte >= 0x80 || byte < 0x20) {
            throw std::logic_error("generated text holds a character the JSON writer does not map");
        } else {
            out << c;
        }
    }
    out << '"';
}

// Style sizes are written three ways, as design files mix them: plain
// database units, millimetres and mils.
void PutLength(OutputFile& out, std::int32_t value, std::size_t styleIndex, std::string_view styleName)
{
    if (styleName.find("MIL") != std::string_view::npos)
        out << '"' << MilText(value) << "mil\"";
    else if (styleIndex % 3 == 0)
        out << '"' << MillimetreText(value) << "mm\"";
    else
        out << value;
}

void PutLayers(OutputFile& out, const SyntheticBoard& board)
{
    out << "\"layers\":[";
    for (std::size_t i = 0; i < board.layers.size(); ++i) {
        const design::Layer& layer = board.layers[i];
        out << (i == 0 ? "\n  " : ",\n  ") << "{\"id\":" << layer.id << ",\"name\":";
        PutString(out, layer.name);
        out << ",\"type\":" << layer.type << '}';
    }
    out << "\n],\n";
}

void PutStyles(OutputFile& out, std::string_view key, const std::vector<SynthStyle>& styles)
{
    out << '"' << key << "\":[";
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const SynthStyle& style = styles[i];
        out << (i == 0 ? "\n  " : ",\n  ") << "{\"id\":" << static_cast<std::int64_t>(i) << ",\"name\":";
        PutString(out, style.name);
        out << ",\"hole\":";
        PutLength(out, style.hole, i, style.name);
        out << ",\"start\":" << style.start << ",\"end\":" << style.end << ",\"shapes\":[";
        for (std::size_t s = 0; s < style.shapes.size(); ++s) {
            const design::LayerShape& shape = style.shapes[s];
            out << (s == 0 ? "" : ",") << "{\"layer\":" << shape.layerId << ",\"width\":";
            PutLength(out, shape.width, i, style.name);
            out << ",\"height\":";
            PutLength(out, shape.height, i, style.name);
            out << '}';
        }
        out << "]}";
    }
    out << "\n],\n";
}

void PutComponents(OutputFile& out, const SyntheticBoard& board)
{
    out << "\"components\":[";
    for (std::size_t i = 0; i < board.components.size(); ++i) {
        const Placement& component = board.components[i];
        out << (i == 0 ? "\n  " : ",\n  ") << "{\"refDes\":";
        PutString(out, component.refDes);
        out << ",\"side\":" << (component.bottom ? 1 : 0)
            << ",\"padCount\":" << static_cast<std::int64_t>(board.packages[component.package].pads.size()) << '}';
    }
    out << "\n],\n";
}

void PutNode(OutputFile& out, const BoardPad& pad)
{
    out << '{';
    if (!pad.refDes.empty()) {
        out << "\"refDes\":";
        PutString(out, pad.refDes);
        out << ",\"pin\":";
        PutString(out, pad.pin);
        out << ',';
    }
    out << "\"padStyle\":" << pad.style << ",\"x\":" << pad.x << ",\"y\":" << pad.y;
    if (pad.flip)
        out << ",\"flip\":1";
    if (pad.rotation != 0)
        out << ",\"rotation\":" << pad.rotation;
    out << '}';
}

void PutItems(OutputFile& out, const SynthNet& net)
{
    bool first = true;
    auto separate = [&] {
        out << (first ? "" : ",");
        first = false;
    };
    for (int i = 0; i < net.tracesBefore; ++i) {
        separate();
        out << "{\"type\":7}";
    }
    for (const SynthVia& via : net.vias) {
        separate();
        out << "{\"type\":4,\"x\":" << via.x << ",\"y\":" << via.y << ",\"viaStyle\":" << via.style;
        if (via.rotation != 0)
            out << ",\"rotation\":" << via.rotation;
        if (via.flipped)
            out << ",\"flip\":1";
        out << '}';
        for (int i = 0; i < via.tracesAfter; ++i)
            out << ",{\"type\":5}";
    }
}

void PutNet(OutputFile& out, const SyntheticBoard& board, const SynthNet& net, std::int64_t id)
{
    out << "{\"id\":" << id << ",\"name\":";
    PutString(out, net.name);
    if (!net.attributes.empty()) {
        out << ",\"attributes\":[";
        for (std::size_t a = 0; a < net.attributes.size(); ++a) {
            out << (a == 0 ? "{\"name\":" : ",{\"name\":");
            PutString(out, net.attributes[a].name);
            out << ",\"value\":";
            PutString(out, net.attributes[a].value);
            out << '}';
        }
        out << ']';
    }
    out << ",\"nodes\":[";
    for (std::size_t n = 0; n < net.nodes.size(); ++n) {
        out << (n == 0 ? "\n    " : ",\n    ");
        PutNode(out, board.PadOf(net.nodes[n]));
    }
    out << "],\n   \"items\":[";
    PutItems(out, net);
    out << "]}";
}

}  // namespace

std::uintmax_t WriteJsonDesign(const SyntheticBoard& board, const std::filesystem::path& file)
{
    OutputFile out(file);
    out << "{\n\"nodewickDesign\":1,\n\"title\":";
    PutString(out, board.title);
    out << ",\n\"engineer\":";
    PutString(out, board.engineer);
    out << ",\n\"revision\":";
    PutString(out, board.revision);
    out << ",\n\"drawingNumber\":";
    PutString(out, board.drawingNumber);
    out << ",\n";
    PutLayers(out, board);
    PutStyles(out, "padStyles", board.padStyles);
    PutStyles(out, "viaStyles", board.viaStyles);
    PutComponents(out, board);
    out << "\"nets\":[";
    for (std::size_t i = 0; i < board.nets.size(); ++i) {
        out << (i == 0 ? "\n  " : ",\n  ");
        PutNet(out, board, board.nets[i], static_cast<std::int64_t>(i + 1));
    }
    out << "\n]\n}\n";
    return out.Commit();
}

}  // namespace nodewick::bench
