#include "design/design_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string_view>
#include <system_error>

#include "design/json/design_json.h"
#include "design/pcad/pcad_reader.h"

namespace nodewick::design {
namespace {

enum class DesignFileKind { Json, PcadAscii, Unknown, Empty };

// Looks at the first non-blank bytes (after a UTF-8 byte order mark) and puts
// the stream back at its start.
DesignFileKind Recognise(std::istream& in)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string start(256, '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(in.gcount()));
    in.clear();
    in.seekg(0);

    std::string_view text = start;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    text.remove_prefix(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
    if (text.empty())
        return DesignFileKind::Empty;
    if (text.front() == '{')
        return DesignFileKind::Json;
    return IsPcadAsciiText(start) ? DesignFileKind::PcadAscii : DesignFileKind::Unknown;
}

} // namespace

LoadedDesign LoadDesignFile(const std::filesystem::path& file)
{
    const std::string fileName = file.string();
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        throw DesignLoadError(fileName + ": this is a folder, not a design file");

    std::vector<char> buffer(std::size_t{1} << 20);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    in.open(file, std::ios::binary);
    if (!in)
        throw DesignLoadError(fileName + ": cannot open the design file: " + std::generic_category().message(errno));

    switch (Recognise(in)) {
    case DesignFileKind::Json:
        return LoadJsonDesign(in, file);
    case DesignFileKind::PcadAscii:
        return ReadPcadDesign(file);
    case DesignFileKind::Empty:
        throw DesignLoadError(fileName + ": the file is empty, not a design file");
    case DesignFileKind::Unknown:
        break;
    }
    throw DesignLoadError(fileName +
                          ": not a design file: a JSON design file starts with \"{\", a P-CAD ASCII PCB file with "
                          "ACCEL_ASCII, PCAD_ASCII or TangoPRO_ASCII");
}

} // namespace nodewick::design
