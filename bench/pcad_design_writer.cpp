#include "pcad_design_writer.h"

#include <string>
#include <string_view>
#include <vector>

#include "length_text.h"
#include "output_file.h"

namespace nodewick::bench {
namespace {

constexpr std::string_view kGraphics = "Primary";

class PcadWriter {
public:
    PcadWriter(const SyntheticBoard& board, PcadUnits units, const std::filesystem::path& file)
        : board_(board), units_(units), out_(file), fileName_(file.filename().string())
    {
    }

    std::uintmax_t Write()
    {
        // The header path is raw: P-CAD does not escape its backslashes.
        out_ << "ACCEL_ASCII \"C:\\Boards\\" << fileName_ << "\"\n\n";
        PutAsciiHeader();
        PutLibrary();
        PutNetlist();
        PutPcbDesign();
        return out_.Commit();
    }

private:
    void PutString(std::string_view text)
    {
        out_ << '"';
        for (char c : text) {
            if (c == '"' || c == '\\')
                out_ << '\\';
            out_ << c;
        }
        out_ << '"';
    }

    void PutLength(std::int32_t value)
    {
        out_ << (units_ == PcadUnits::Millimetres ? MillimetreText(value) : MilText(value));
    }

    // Sizes of the mil-based styles carry "mil" in a millimetre file and
    // every third style's sizes carry "mm" in a mil file: attached to the
    // number for holes, as a separate word for shapes.
    void PutStyleLength(std::int32_t value, std::size_t styleIndex, std::string_view styleName, bool separateUnit)
    {
        const bool milStyle = styleName.find("MIL") != std::string_view::npos;
        const char* gap = separateUnit ? " " : "";
        if (units_ == PcadUnits::Millimetres && milStyle)
            out_ << MilText(value) << gap << "mil";
        else if (units_ == PcadUnits::Mils && !milStyle && styleIndex % 3 == 0)
            out_ << MillimetreText(value) << gap << "mm";
        else
            PutLength(value);
    }

    void PutRotation(std::int32_t tenths)
    {
        if (tenths != 0)
            out_ << " (rotation " << tenths / 10 << '.' << tenths % 10 << ')';
    }

    void PutPoint(std::int32_t x, std::int32_t y)
    {
        out_ << "(pt ";
        PutLength(x);
        out_ << ' ';
        PutLength(y);
        out_ << ')';
    }

    void PutAsciiHeader()
    {
        out_ << "(asciiHeader\n  (asciiVersion 3 0)\n  (timeStamp 2026 1 1 0 0 0)\n"
                "  (program \"nodewick-gen\" \"1\")\n  (fileUnits "
             << (units_ == PcadUnits::Millimetres ? "mm" : "Mil") << ")\n)\n\n";
    }

    std::string_view LayerTypeWord(std::int32_t layerId) const
    {
        for (const design::Layer& layer : board_.layers)
            if (layer.id == layerId)
                return layer.type == 0 ? "Signal" : layer.type == 1 ? "Plane" : "NonSignal";
        return "NonSignal";
    }

    void PutStyle(std::string_view keyword, std::string_view shapeKeyword, const SynthStyle& style, std::size_t index)
    {
        out_ << "  (" << keyword << "Def ";
        PutString(style.name);
        out_ << "\n    (holeDiam ";
        PutStyleLength(style.hole, index, style.name, false);
        out_ << ")\n    (StartRange " << style.start << ")\n    (EndRange " << style.end << ")\n";
        for (const design::LayerShape& shape : style.shapes) {
            out_ << "    (" << shapeKeyword << " (layerNumRef " << shape.layerId << ") (" << shapeKeyword << "Type ";
            if (LayerTypeWord(shape.layerId) == "Plane") {
                out_ << "Thrm4_45) (outsideDiam ";
                PutStyleLength(shape.width, index, style.name, true);
                out_ << ") (insideDiam ";
                PutStyleLength(style.hole, index, style.name, true);
            } else {
                out_ << (shape.width == shape.height ? "Ellipse" : "Rect") << ") (shapeWidth ";
                PutStyleLength(shape.width, index, style.name, true);
                out_ << ") (shapeHeight ";
                PutStyleLength(shape.height, index, style.name, true);
            }
            out_ << "))\n";
        }
        out_ << "    (" << shapeKeyword << " (layerType NonSignal) (" << shapeKeyword
             << "Type Ellipse) (shapeWidth 0.0) (shapeHeight 0.0))\n  )\n";
    }

    static std::string InstanceName(const Package& package) { return package.name + "_1"; }

    void PutPattern(const Package& package)
    {
        out_ << "  (patternDefExtended ";
        PutString(InstanceName(package));
        out_ << "\n    (originalName ";
        PutString(package.name);
        out_ << ")\n    (patternGraphicsNameRef ";
        PutString(kGraphics);
        out_ << ")\n    (patternGraphicsDef\n      (patternGraphicsNameDef ";
        PutString(kGraphics);
        out_ << ")\n      (multiLayer\n";
        for (std::size_t i = 0; i < package.pads.size(); ++i) {
            const PackagePad& pad = package.pads[i];
            out_ << "        (pad (padNum " << static_cast<std::int64_t>(i + 1) << ") (padStyleRef ";
            PutString(board_.padStyles[static_cast<std::size_t>(pad.style)].name);
            out_ << ") ";
            PutPoint(pad.x, pad.y);
            PutRotation(pad.rotation);
            if (pad.flipped)
                out_ << " (isFlipped True)";
            out_ << " (defaultPinDes ";
            PutString(pad.pin);
            out_ << "))\n";
        }
        out_ << "      )\n    )\n  )\n";
    }

    void PutComponentDefinition(const Package& package)
    {
        const auto count = static_cast<std::int64_t>(package.pads.size());
        out_ << "  (compDef ";
        PutString(InstanceName(package));
        out_ << "\n    (originalName ";
        PutString(package.name);
        out_ << ")\n    (compHeader (sourceLibrary \"\") (numPins " << count
             << ") (numParts 1) (alts (ieeeAlt False) (deMorganAlt False)) (refDesPrefix ";
        PutString(package.refPrefix);
        out_ << "))\n";
        for (const PackagePad& pad : package.pads) {
            out_ << "    (compPin ";
            PutString(pad.pin);
            out_ << " (partNum 1) (symPinNum 1) (gateEq 0) (pinEq 0))\n";
        }
        out_ << "    (attachedPattern (patternNum 1) (patternName ";
        PutString(package.name);
        out_ << ") (numPads " << count << ")\n      (padPinMap";
        for (std::size_t i = 0; i < package.pads.size(); ++i) {
            out_ << "\n        (padNum " << static_cast<std::int64_t>(i + 1) << ") (compPinRef ";
            PutString(package.pads[i].pin);
            out_ << ')';
        }
        out_ << "\n      )\n    )\n  )\n";
    }

    void PutLibrary()
    {
        out_ << "(library \"Library_1\"\n";
        for (std::size_t i = 0; i < board_.padStyles.size(); ++i)
            PutStyle("padStyle", "padShape", board_.padStyles[i], i);
        for (std::size_t i = 0; i < board_.viaStyles.size(); ++i)
            PutStyle("viaStyle", "viaShape", board_.viaStyles[i], i);
        for (const Package& package : board_.packages)
            PutPattern(package);
        for (const Package& package : board_.packages)
            PutComponentDefinition(package);
        out_ << ")\n\n";
    }

    void PutNetlist()
    {
        out_ << "(netlist \"Netlist_1\"\n";
        for (const Placement& component : board_.components) {
            const Package& package = board_.packages[component.package];
            out_ << "  (compInst ";
            PutString(component.refDes);
            out_ << " (compRef ";
            PutString(InstanceName(package));
            out_ << ") (originalName ";
            PutString(package.name);
            out_ << "))\n";
        }
        for (const SynthNet& net : board_.nets) {
            out_ << "  (net ";
            PutString(net.name);
            for (const SynthAttribute& attribute : net.attributes) {
                out_ << "\n    (attr ";
                PutString(attribute.name);
                out_ << ' ';
                PutString(attribute.value);
                out_ << ')';
            }
            // Free pads join their nets through the design's own pads.
            for (const NodeRef& node : net.nodes) {
                if (node.component == NodeRef::kFree)
                    continue;
                const Placement& component = board_.components[node.component];
                out_ << "\n    (node ";
                PutString(component.refDes);
                out_ << ' ';
                PutString(board_.packages[component.package].pads[node.pad].pin);
                out_ << ')';
            }
            out_ << "\n  )\n";
        }
        out_ << ")\n\n";
    }

    void PutDesignHeader()
    {
        out_ << "  (pcbDesignHeader\n    (workspaceSize 1000.0 mm 1000.0 mm)\n    (designInfo\n"
                "      (fieldSet \"(Default)\"\n";
        const std::pair<std::string_view, const std::string*> fields[] = {{"Title", &board_.title},
                                                                          {"Author", &board_.engineer},
                                                                          {"Revision", &board_.revision},
                                                                          {"Drawing Number", &board_.drawingNumber}};
        for (const auto& [name, value] : fields) {
            out_ << "        (fieldDef ";
            PutString(name);
            out_ << ' ';
            PutString(*value);
            out_ << ")\n";
        }
        out_ << "      )\n    )\n  )\n";
    }

    void PutPlacements()
    {
        for (const Placement& component : board_.components) {
            out_ << "    (pattern (patternRef ";
            PutString(InstanceName(board_.packages[component.package]));
            out_ << ") (refDesRef ";
            PutString(component.refDes);
            out_ << ") ";
            PutPoint(component.x, component.y);
            PutRotation(component.rotation);
            if (component.bottom)
                out_ << " (isFlipped True)";
            out_ << " (patternGraphicsNameRef ";
            PutString(kGraphics);
            out_ << "))\n";
        }
    }

    // Free pads and vias name their nets; the free pads in the order the nets
    // list them, so a reader that appends them to their nets keeps that order.
    void PutFreePadsAndVias()
    {
        std::vector<const std::string*> freePadNet(board_.freePads.size(), nullptr);
        for (const SynthNet& net : board_.nets)
            for (const NodeRef& node : net.nodes)
                if (node.component == NodeRef::kFree)
                    freePadNet[node.pad] = &net.name;
        for (std::size_t i = 0; i < board_.freePads.size(); ++i) {
            const FreePad& pad = board_.freePads[i];
            out_ << "    (pad (padStyleRef ";
            PutString(board_.padStyles[static_cast<std::size_t>(pad.style)].name);
            out_ << ") ";
            PutPoint(pad.x, pad.y);
            if (pad.flipped)
                out_ << " (isFlipped True)";
            out_ << " (netNameRef ";
            PutString(*freePadNet[i]);
            out_ << "))\n";
        }
        for (const SynthNet& net : board_.nets) {
            for (const SynthVia& via : net.vias) {
                out_ << "    (via (viaStyleRef ";
                PutString(board_.viaStyles[static_cast<std::size_t>(via.style)].name);
                out_ << ") ";
                PutPoint(via.x, via.y);
                out_ << " (netNameRef ";
                PutString(net.name);
                out_ << ')';
                PutRotation(via.rotation);
                if (via.flipped)
                    out_ << " (isFlipped True)";
                out_ << ")\n";
            }
        }
    }

    void PutPcbDesign()
    {
        out_ << "(pcbDesign \"PcbDesign_1\"\n";
        PutDesignHeader();
        for (const design::Layer& layer : board_.layers) {
            out_ << "  (layerDef ";
            PutString(layer.name);
            out_ << "\n    (layerNum " << layer.id << ")\n    (layerType " << LayerTypeWord(layer.id) << ")\n  )\n";
        }
        out_ << "  (multiLayer\n";
        PutPlacements();
        PutFreePadsAndVias();
        out_ << "  )\n)\n";
    }

    const SyntheticBoard& board_;
    PcadUnits units_;
    OutputFile out_;
    std::string fileName_;
};

}  // namespace

std::uintmax_t WritePcadDesign(const SyntheticBoard& board, PcadUnits units, const std::filesystem::path& file)
{
    return PcadWriter(board, units, file).Write();
}

}  // namespace nodewick::bench
