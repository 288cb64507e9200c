#pragma once

#include <filesystem>
#include <string>

namespace nodewick::design {

// Design text 1 for a design read from a file: the file's absolute path as
// single-byte Windows-1252 text, the netlist being written beside it. Deep
// project folders easily reach past the 100 bytes of the DBX field; then the
// path relative to the working folder is reported instead, which names the
// same file for a run started there. Only when neither fits, or the path has
// a character the code page lacks or a control character, is the design
// refused: nodewick::DesignError naming `fileName`.
std::string DesignPathText(const std::filesystem::path& absolutePath, const std::string& fileName);

}  // namespace nodewick::design
