#pragma once

#include <string>
#include <string_view>

namespace nodewick::exporter {

// A path as DBX reports it (Windows-1252 text) in the file system's own
// encoding, so that Entwürfe/Platine-ä.pcb writes Entwürfe/Platine-ä.ipc and
// not a name in another encoding. On Linux that is UTF-8; the narrow Windows
// file functions take the code page's bytes as they are. A path holding a
// byte the code page has no character for is refused: what it means cannot
// be known. Throws ExportError naming the path.
std::string FileSystemPath(std::string_view dbxPath);

}  // namespace nodewick::exporter
