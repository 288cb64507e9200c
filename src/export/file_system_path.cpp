#include "file_system_path.h"

#include <algorithm>

#include "dbx/windows1252_text.h"
#include "base/error.h"

namespace nodewick::exporter {

std::string FileSystemPath(std::string_view dbxPath)
{
    const auto undefined = std::find_if(dbxPath.begin(), dbxPath.end(), [](char c) {
        return !dbx::IsDefinedWindows1252(static_cast<unsigned char>(c));
    });
    if (undefined != dbxPath.end()) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(*undefined);
        throw ExportError("The design path " + dbx::Windows1252ToUtf8(dbxPath) + " holds the byte 0x" +
                          kHex[byte >> 4] + kHex[byte & 0xF] +
                          ", which the Windows-1252 code page of DBX texts has no character for");
    }
#ifdef _WIN32
    return std::string(dbxPath);
#else
    return dbx::Windows1252ToUtf8(dbxPath);
#endif
}

}  // namespace nodewick::exporter
