#include "text_viewer.h"

#include <cstdlib>
#include <cstring>
#include <spawn.h>

extern char** environ;

namespace nodewick::exporter {
namespace {

std::string ViewerProgram()
{
    const char* chosen = std::getenv("NODEWICK_VIEWER");
    return chosen != nullptr && *chosen != '\0' ? chosen : "xdg-open";
}

} // namespace

std::optional<std::string> OpenInTextViewer(const std::string& path)
{
    const std::string program = ViewerProgram();
    std::string programArgument = program;
    std::string fileArgument = path;
    char* const arguments[] = {programArgument.data(), fileArgument.data(), nullptr};
    pid_t child = 0;
    if (const int error = ::posix_spawnp(&child, program.c_str(), nullptr, nullptr, arguments, environ); error != 0)
        return "Cannot start the text viewer " + program + ": " + std::strerror(error);
    return std::nullopt;
}

} // namespace nodewick::exporter
