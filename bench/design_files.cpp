#include "design_files.h"

#include "json_design_writer.h"
#include "pcad_design_writer.h"

namespace nodewick::bench {

std::map<std::string, DesignFormat> DesignFormatNames()
{
    return {
        {"json", DesignFormat::Json}, {"pcad-mm", DesignFormat::PcadMillimetres}, {"pcad-mil", DesignFormat::PcadMils}};
}

GeneratedDesign GenerateDesignFile(const BoardSpec& spec, DesignFormat format, const std::filesystem::path& file)
{
    const SyntheticBoard board = GenerateBoard(spec);
    GeneratedDesign result{.counts = CountBoard(board)};
    switch (format) {
    case DesignFormat::Json:
        result.bytes = WriteJsonDesign(board, file);
        break;
    case DesignFormat::PcadMillimetres:
        result.bytes = WritePcadDesign(board, PcadUnits::Millimetres, file);
        break;
    case DesignFormat::PcadMils:
        result.bytes = WritePcadDesign(board, PcadUnits::Mils, file);
        break;
    }
    return result;
}

}  // namespace nodewick::bench
