#include "design_names.h"

namespace nodewick::exporter {
namespace {

// The header and the window show at most this many characters of the design's
// file name.
constexpr std::size_t kShownFileNameLength = 25;

std::string OutputFileName(std::string_view fileName)
{
    const std::size_t dot = fileName.find('.');
    if (dot == std::string_view::npos)
        return std::string(fileName) + ".ipc";
    return std::string(fileName.substr(0, dot + 1)) + "ipc";
}

}  // namespace

DesignNames DeriveDesignNames(std::string_view designPath)
{
    const std::size_t separator = designPath.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::string_view fileName = designPath.substr(nameStart);
    return DesignNames{
        .folder = std::string(designPath.substr(0, nameStart)),
        .file = std::string(fileName.substr(0, kShownFileNameLength)),
        .outputFile = OutputFileName(fileName),
    };
}

}  // namespace nodewick::exporter
