#include "pcad_text.h"

#include <algorithm>
#include <string>

#include <unistd.h>

namespace nodewick::design::pcad::test {

std::string PcadText(const BoardPieces& pieces)
{
    return "ACCEL_ASCII \"C:\\test.pcb\"\n" + pieces.header + "\n" +
           "(library \"L\"\n"
           "  (padStyleDef \"SMD\" (holeDiam 0)\n"
           "    (padShape (layerNumRef 1) (padShapeType Rect) (shapeWidth 20) (shapeHeight 60)))\n"
           "  (viaStyleDef \"V\" (holeDiam 12) (viaShape (layerNumRef 1) (viaShapeType Ellipse) (shapeWidth 24) (shapeHeight 24)))\n"
           "  (patternDefExtended \"CHIP_1\" (originalName \"CHIP\")\n"
           "    (patternGraphicsDef (patternGraphicsNameDef \"Primary\")\n"
           "      (multiLayer (pad (padNum 1) (padStyleRef \"SMD\") (pt -50 0)) (pad (padNum 2) (padStyleRef \"SMD\") (pt 50 0)))))\n"
           "  (compDef \"CHIP_1\" (attachedPattern (patternNum 1) (patternName \"CHIP\")\n"
           "    (padPinMap (padNum 1) (compPinRef \"A\") (padNum 2) (compPinRef \"B\"))))\n" +
           pieces.library + ")\n" +
           "(netlist \"N\"\n"
           "  (compInst \"R1\" (compRef \"CHIP_1\"))\n"
           "  (net \"N1\" (node \"R1\" \"A\") (node \"R1\" \"B\"))\n" +
           pieces.netlist + ")\n" +
           "(pcbDesign \"P\"\n"
           "  (layerDef \"Top\" (layerNum 1) (layerType Signal))\n"
           "  (layerDef \"Bottom\" (layerNum 2) (layerType Signal))\n"
           "  (multiLayer\n"
           "    (pattern (patternRef \"CHIP_1\") (refDesRef \"R1\") (pt 1000 1000))\n" +
           pieces.multiLayer + "))\n";
}

LoadedDesign ReadText(std::string_view text)
{
    return ReadPcadText(text, "test.pcb", "/boards/test.pcb");
}

std::string LoadError(std::string_view text)
{
    try {
        ReadText(text);
    } catch (const DesignError& error) {
        return error.what();
    }
    return {};
}

std::string LineOf(std::string_view text, std::string_view needle)
{
    const std::size_t at = text.find(needle);
    if (at == std::string_view::npos)
        return "needle not in the text";
    const auto newlines = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    return "line " + std::to_string(newlines + 1) + ":";
}

std::filesystem::path ScratchRoot()
{
    struct Root {
        std::filesystem::path path;
        ~Root()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Root root{std::filesystem::temp_directory_path() /
                           ("nodewick-pcad-tests-" + std::to_string(::getpid()))};
    return root.path;
}

std::filesystem::path ScratchFolder(std::string_view name)
{
    const std::filesystem::path folder = ScratchRoot() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace nodewick::design::pcad::test
